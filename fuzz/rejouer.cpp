// Without libFuzzer: feeds a target every file of the folders given (the committed seeds
// and every input that once broke it), so that the ordinary test suite replays them.

#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

int main(int argc, char* argv[]) {
    int fichiers = 0;
    for (int i = 1; i < argc; ++i)
        for (const QFileInfo& info :
             QDir(QString::fromLocal8Bit(argv[i])).entryInfoList(QDir::Files)) {
            QFile f(info.filePath());
            if (!f.open(QIODevice::ReadOnly))
                return 2;
            const QByteArray octets = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.constData()),
                                   static_cast<std::size_t>(octets.size()));
            ++fichiers;
        }
    std::printf("%d entrées rejouées\n", fichiers);
    return fichiers > 0 ? 0 : 1;
}
