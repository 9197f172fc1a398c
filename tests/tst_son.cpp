// The sound output: which file is played, in which mode, how long a synchronous play waits
// (never longer than the sound the file really holds, nor than five seconds, and not past a
// close of the main window), and silence whenever something is missing or hostile.

#include "Doubles.h"
#include "Fichiers.h"
#include "app/Attente.h"
#include "extras/SonPlateforme.h"
#include "extras/Wav.h"

#include <QtTest>

// What a WAV header says (integer PCM, mono, 16 bits), and how many data bytes follow it.
struct Entete {
    quint32 frequence = 8000, debit = 16000; // bytes a second
    quint16 bloc = 2, format = 1, canaux = 1, bits = 16;
    quint32 donnees = 8000, annoncees = 0; // announced 0: as many as there are
};

// The file at `chemin`, with an odd-sized chunk to skip before the data.
bool wav(const QString& chemin, const Entete& t) {
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    QDataStream d(&f);
    d.setByteOrder(QDataStream::LittleEndian);
    d.writeRawData("RIFF....WAVEfmt ", 16);
    d << quint32{16} << t.format << t.canaux << t.frequence << t.debit << t.bloc << t.bits;
    d.writeRawData("LIST\3\0\0\0abc\0data", 16);
    d << (t.annoncees ? t.annoncees : t.donnees);
    return d.writeRawData(QByteArray(int(t.donnees), '\0'), int(t.donnees)) == int(t.donnees);
}

// The sound module's engine, noting the files it is asked to play.
struct MoteurFactice final : IMoteurSon {
    QStringList& journal;
    bool sortie;
    MoteurFactice(QStringList& j, bool s) : journal(j), sortie(s) {}
    bool sortiePresente() const override { return sortie; }
    void charger(const QString&) override {}
    void jouer(const QString& c) override { journal << QDir::current().relativeFilePath(c); }
};

Q_DECLARE_METATYPE(Entete)

class TestSon : public QObject {
    Q_OBJECT

    QTemporaryDir racine; // the current folder; the program in bin/, its data in share/verlo/
    QStringList journal;  // the module looked for, then the files played
    HorlogeReglable horloge;

    SonPlateforme son(bool module, bool sortie) {
        return SonPlateforme(racine.filePath("bin"), horloge, [=, this](const QString&) {
            journal << "module";
            return module ? std::make_unique<MoteurFactice>(journal, sortie) : nullptr;
        });
    }

private slots:
    void init() {
        journal.clear();
        horloge = HorlogeReglable{};
        QVERIFY(QDir::setCurrent(racine.path()));
        QVERIFY(QDir().mkpath("share/verlo"));
        QVERIFY(wav("share/verlo/fanfare.wav", {}));
        QVERIFY(wav("applaudi.wav", {}));
    }

    // Whether the module and the audio device are there; what is played, and the waits.
    void sons_data() {
        QTest::addColumn<bool>("module");
        QTest::addColumn<bool>("sortie");
        QTest::addColumn<QStringList>("joues");
        QTest::addColumn<QList<qint64>>("attentes");
        const QStringList tout{"module", "applaudi.wav", "share/verlo/fanfare.wav"};
        QTest::newRow("module et sortie") << true << true << tout << QList<qint64>{600};
        QTest::newRow("sans sortie audio") << true << false << tout << QList<qint64>{};
        QTest::newRow("sans module") << false << true << QStringList{"module"} << QList<qint64>{};
    }
    // Catches a module loaded before the sound is wanted or looked for at every sound when
    // missing, the data folder not searched, a wait that is not the file's own length (and a
    // tenth for the device) or that no device will ever end, or an asynchronous play waited
    // for.
    void sons() {
        QFETCH(bool, module);
        QFETCH(bool, sortie);
        QFETCH(QStringList, joues);
        QFETCH(QList<qint64>, attentes);
        SonPlateforme s = son(module, sortie);
        QCOMPARE(journal, QStringList());
        s.preparer();
        s.jouer("applaudi.wav", ModeSon::Attente);
        s.jouer("fanfare.wav", ModeSon::Asynchrone);
        QCOMPARE(journal, joues);
        QCOMPARE(horloge.attentes, attentes);
    }

    // A header against what the file holds, and the waits of a synchronous play of it (none
    // for a file refused as unplayable).
    void entetes_data() {
        // clang-format off
        QTest::addColumn<Entete>("entete");
        QTest::addColumn<QList<qint64>>("attentes");
        QTest::newRow("données annoncées au-delà du fichier") << Entete{.donnees = 2000, .annoncees = 0xFFFFFFFF} << QList<qint64>{225};
        QTest::newRow("débit ≠ fréquence × bloc") << Entete{.debit = 16001} << QList<qint64>{};
        QTest::newRow("33 min à 1 octet/s") << Entete{.frequence = 1, .debit = 1, .bloc = 1, .donnees = 2000} << QList<qint64>{5000};
        // clang-format on
    }
    // Catches a header believed alone (a lying byte rate or data size would hold the player for
    // hours), a wait past five seconds, or a refused file sent to the device.
    void entetes() {
        QFETCH(Entete, entete);
        QFETCH(QList<qint64>, attentes);
        QVERIFY(wav("applaudi.wav", entete));
        son(true, true).jouer("applaudi.wav", ModeSon::Attente);
        QCOMPARE(horloge.attentes, attentes);
        QCOMPARE(journal.contains("applaudi.wav"), !attentes.isEmpty()); // played when waited for
    }

    // Catches a wait that a close of the main window does not end, or one begun after it: the
    // program would stay on after its window, silent, until the sound's time is out.
    void fermeture() {
        horloge.figee = true; // until the close
        QTimer::singleShot(50, [] { Signaler_Fermeture(true); });
        QTimer::singleShot(50, this, [this] { horloge.figee = false; }); // the clock goes on
        son(true, true).jouer("applaudi.wav", ModeSon::Attente);
        son(true, true).jouer("applaudi.wav", ModeSon::Attente);
        Signaler_Fermeture(false);
        QCOMPARE(horloge.attentes, QList<qint64>{});
    }

    // Catches a FIFO at the name of the module or of a sound that holds the game for ever (the
    // opening blocks), or that is taken for a module or a sound.
    void tubes() {
        QVERIFY(shell("mkfifo libverlo_son.so tube.wav"));
        std::unique_ptr<IMoteurSon> m; // the module of the program in the current folder
        std::optional<std::int64_t> duree = 0;
        QVERIFY(finitSansBlocage([&] { m = SonPlateforme::chargerModule("."); }, 3000,
                                 {"libverlo_son.so"}));
        QVERIFY(finitSansBlocage([&] { duree = dureeWavMs("tube.wav"); }, 3000, {"tube.wav"}));
        QVERIFY(!m);
        QVERIFY(!duree);
    }
};

QTEST_GUILESS_MAIN(TestSon)
#include "tst_son.moc"
