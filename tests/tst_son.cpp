// The sound output: which file is played, in which mode, how long a synchronous play
// waits, and silence whenever something is missing.

#include "Doubles.h"
#include "extras/SonPlateforme.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

/** A PCM WAV file of 8000 samples a second, 16-bit mono, lasting `ms`. */
void ecrireWav(const QString& chemin, int ms) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QDataStream d(&f);
    d.setByteOrder(QDataStream::LittleEndian);
    const quint32 taille = 16 * ms;
    d.writeRawData("RIFF....WAVEfmt ", 16);
    d << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
      << quint16(16);
    d.writeRawData("LIST\3\0\0\0abc\0data", 16); // a chunk to skip, odd-sized: padded
    d << taille;
    d.writeRawData(QByteArray(taille, '\0').constData(), taille);
}

struct MoteurFactice final : IMoteurSon {
    QStringList& journal;
    bool sortie;
    MoteurFactice(QStringList& j, bool s) : journal(j), sortie(s) {}
    bool sortiePresente() const override { return sortie; }
    void charger(const QString& c) override { journal << "charger " + QFileInfo(c).fileName(); }
    void jouer(const QString& c) override { journal << "jouer " + c; }
};

} // namespace

class TestSon : public QObject {
    Q_OBJECT

    QTemporaryDir racine;
    QString programme() const { return racine.filePath(QStringLiteral("bin")); }
    QString courant() const { return racine.filePath(QStringLiteral("courant")); }
    QString donnees() const { return racine.filePath(QStringLiteral("share/verlo")); }

    QStringList journal;
    QList<int> attentes;
    int chargements = 0;

    SonPlateforme son(bool module, bool sortie) {
        return SonPlateforme(
            programme(),
            [this, module, sortie](const QString&) -> std::unique_ptr<IMoteurSon> {
                ++chargements;
                return module ? std::make_unique<MoteurFactice>(journal, sortie) : nullptr;
            },
            [this](int ms) { attentes << ms; });
    }

private slots:
    void initTestCase() {
        for (const QString& d : {programme(), courant(), donnees()})
            QVERIFY(QDir().mkpath(d));
        ecrireWav(QDir(courant()).filePath(QStringLiteral("applaudi.wav")), 500);
        ecrireWav(QDir(donnees()).filePath(QStringLiteral("fanfare.wav")), 2000);
        QFile abime(QDir(courant()).filePath(QStringLiteral("mouton.wav")));
        QVERIFY(abime.open(QIODevice::WriteOnly) && abime.write("RIFF\0\0\0\0WAVEdata", 16));
        QDir::setCurrent(courant());
    }
    void init() { journal.clear(), attentes.clear(), chargements = 0; }

    // Catches a module loaded before the sound is wanted, the data folder not searched,
    // a wait that is not the file's own length, or an unplayable file sent to the device.
    void sonsJouesEtAttendus() {
        SonPlateforme s = son(true, true);
        QCOMPARE(chargements, 0);
        s.preparer();
        s.preparer();
        QCOMPARE(journal.join(',') + QString::number(chargements),
                 "charger applaudi.wav,charger fanfare.wav,charger mouton.wav1");
        journal.clear();
        s.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
        s.jouer(QStringLiteral("fanfare.wav"), ModeSon::Asynchrone);
        s.jouer(QStringLiteral("mouton.wav"), ModeSon::Attente);  // unplayable
        s.jouer(QStringLiteral("inconnu.wav"), ModeSon::Attente); // missing
        QCOMPARE(journal,
                 QStringList({"jouer " + QDir(courant()).filePath(QStringLiteral("applaudi.wav")),
                              "jouer " + QFileInfo(QDir(donnees()), QStringLiteral("fanfare.wav"))
                                             .absoluteFilePath()}));
        QCOMPARE(attentes, QList<int>{600}); // and a tenth of a second for the device
    }

    // Catches a synchronous play waiting for a sound no device will ever finish, or a
    // missing module that breaks the game or is looked for at every sound.
    void sansSortieNiModule() {
        SonPlateforme sansSortie = son(true, false);
        sansSortie.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
        QVERIFY(journal.last().startsWith(QStringLiteral("jouer ")) && attentes.isEmpty());
        init();
        SonPlateforme sansModule = son(false, true);
        sansModule.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
        sansModule.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
        QVERIFY(journal.isEmpty() && attentes.isEmpty() && chargements == 1);
    }
};

QTEST_GUILESS_MAIN(TestSon)
#include "tst_son.moc"
