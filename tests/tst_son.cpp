// The sound output: which file is played, in which mode, how long a synchronous play
// waits (never longer than the sound the file really holds, nor than five seconds, and not
// past a close of the main window), and silence whenever something is missing or hostile.

#include "Blocage.h"
#include "Doubles.h"
#include "app/Attente.h"
#include "extras/SonPlateforme.h"
#include "extras/Wav.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

namespace {

/** What a WAV header says, and how many data bytes the file really holds. */
struct Entete {
    quint16 format = 1; // integer PCM
    quint16 canaux = 1;
    quint32 frequence = 8000;
    quint32 octetsParSeconde = 16000;
    quint16 bloc = 2;
    quint16 bits = 16;
    quint32 tailleFmt = 16;
    quint32 donneesAnnoncees = 8000;
    quint32 donnees = 8000;
};

/** The file, with an odd-sized chunk to skip before the data. */
QByteArray wav(const Entete& t) {
    QByteArray octets;
    QDataStream d(&octets, QIODevice::WriteOnly);
    d.setByteOrder(QDataStream::LittleEndian);
    d.writeRawData("RIFF....WAVEfmt ", 16);
    d << t.tailleFmt << t.format << t.canaux << t.frequence << t.octetsParSeconde << t.bloc
      << t.bits;
    d.writeRawData(QByteArray(static_cast<int>(t.tailleFmt) - 16, '\0'),
                   static_cast<int>(t.tailleFmt) - 16);
    d.writeRawData("LIST\3\0\0\0abc\0data", 16);
    d << t.donneesAnnoncees;
    d.writeRawData(QByteArray(static_cast<int>(t.donnees), '\0'), static_cast<int>(t.donnees));
    return octets;
}

/** A plain PCM file lasting `ms` (8 kHz, 16-bit mono). */
Entete pcm(quint32 ms) {
    Entete t;
    t.donneesAnnoncees = t.donnees = 16 * ms;
    return t;
}

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(octets), octets.size());
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
    QString ici(const char* nom) const { return QDir(courant()).filePath(QString::fromUtf8(nom)); }

    QStringList journal;
    HorlogeReglable horloge;
    int chargements = 0;

    SonPlateforme son(bool module, bool sortie) {
        return SonPlateforme(programme(), horloge,
                             [this, module, sortie](const QString&) -> std::unique_ptr<IMoteurSon> {
                                 ++chargements;
                                 return module ? std::make_unique<MoteurFactice>(journal, sortie)
                                               : nullptr;
                             });
    }

private slots:
    void initTestCase() {
        for (const QString& d : {programme(), courant(), donnees()})
            QVERIFY(QDir().mkpath(d));
        QDir::setCurrent(courant());
    }
    void init() {
        journal.clear();
        horloge = HorlogeReglable{};
        chargements = 0;
        ecrire(ici("applaudi.wav"), wav(pcm(500)));
        ecrire(QDir(donnees()).filePath(QStringLiteral("fanfare.wav")), wav(pcm(2000)));
        ecrire(ici("mouton.wav"), QByteArray("RIFF\0\0\0\0WAVEdata", 16)); // unplayable
    }

    // Catches a module loaded before the sound is wanted, the data folder not searched,
    // a wait that is not the file's own length, or an unplayable file sent to the device.
    void sonsJouesEtAttendus() {
        SonPlateforme s = son(true, true);
        QCOMPARE(chargements, 0);
        s.preparer();
        s.preparer();
        QCOMPARE(chargements, 1);
        QCOMPARE(journal, QStringList({"charger applaudi.wav", "charger fanfare.wav",
                                       "charger mouton.wav"}));
        journal.clear();
        s.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
        s.jouer(QStringLiteral("fanfare.wav"), ModeSon::Asynchrone);
        s.jouer(QStringLiteral("mouton.wav"), ModeSon::Attente);  // unplayable
        s.jouer(QStringLiteral("inconnu.wav"), ModeSon::Attente); // missing
        QCOMPARE(
            journal,
            QStringList({"jouer " + ici("applaudi.wav"),
                         "jouer " + QFileInfo(QDir(donnees()), "fanfare.wav").absoluteFilePath()}));
        QCOMPARE(horloge.attentes, QList<qint64>{600}); // and a tenth for the device
    }

    // Catches a synchronous play waiting for a sound no device will ever finish, or a
    // missing module that breaks the game or is looked for at every sound.
    void sansSortieNiModule() {
        SonPlateforme sansSortie = son(true, false);
        sansSortie.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
        QCOMPARE(journal.last(), "jouer " + ici("applaudi.wav"));
        QCOMPARE(horloge.attentes, QList<qint64>{});
        init();
        SonPlateforme sansModule = son(false, true);
        sansModule.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
        sansModule.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
        QCOMPARE(journal, QStringList{});
        QCOMPARE(horloge.attentes, QList<qint64>{});
        QCOMPARE(chargements, 1);
    }

    // What a header says against what the file holds: -1 for a file refused as unplayable.
    void dureeWav_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<qint64>("duree");
        QTest::newRow("PCM, 500 ms") << wav(pcm(500)) << qint64{500};
        Entete t = pcm(125);
        t.donneesAnnoncees = 0xFFFFFFFF;
        QTest::newRow("données annoncées au-delà du fichier") << wav(t) << qint64{125};
        t = pcm(500);
        t.octetsParSeconde = 1; // claims 8,000 s
        QTest::newRow("débit d'un octet par seconde") << wav(t) << qint64{-1};
        t.octetsParSeconde = 16001;
        QTest::newRow("débit qui n'est pas fréquence × bloc") << wav(t) << qint64{-1};
        t = pcm(500);
        t.bloc = 0;
        t.octetsParSeconde = 0;
        QTest::newRow("bloc nul") << wav(t) << qint64{-1};
        t = pcm(500);
        t.format = 3;
        QTest::newRow("nombres flottants") << wav(t) << qint64{-1};
        t = pcm(500);
        t.canaux = 0;
        QTest::newRow("aucun canal") << wav(t) << qint64{-1};
        t = pcm(500);
        t.tailleFmt = 18;
        QTest::newRow("bloc fmt de 18 octets") << wav(t) << qint64{500};
        QByteArray court = wav(pcm(500));
        court[16] = 14; // the fmt chunk's size
        QTest::newRow("bloc fmt trop court") << court << qint64{-1};
        Entete lent;
        lent.frequence = lent.octetsParSeconde = lent.bloc = 1;
        lent.bits = 8;
        lent.donnees = lent.donneesAnnoncees = 2000;
        QTest::newRow("un octet par seconde, cohérent") << wav(lent) << qint64{2'000'000};
    }
    void dureeWav() {
        QFETCH(QByteArray, fichier);
        QFETCH(qint64, duree);
        ecrire(ici("essai.wav"), fichier);
        QCOMPARE(qint64{dureeWavMs(ici("essai.wav")).value_or(-1)}, duree);
    }

    // Catches a wait that a header decides alone: a synchronous play never keeps the game
    // from its player for longer than the sound present, nor than five seconds.
    void attentePlafonnee_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QList<qint64>>("attentes");
        QTest::newRow("2 s") << wav(pcm(2000)) << QList<qint64>{2100};
        QTest::newRow("4,95 s") << wav(pcm(4950)) << QList<qint64>{5000};
        QTest::newRow("10 s") << wav(pcm(10000)) << QList<qint64>{5000};
        Entete lent;
        lent.frequence = lent.octetsParSeconde = lent.bloc = 1;
        lent.bits = 8;
        lent.donnees = lent.donneesAnnoncees = 2000;
        QTest::newRow("33 minutes annoncées") << wav(lent) << QList<qint64>{5000};
        lent.octetsParSeconde = 1;
        lent.frequence = 8000;
        QTest::newRow("débit menteur") << wav(lent) << QList<qint64>{};
    }
    void attentePlafonnee() {
        QFETCH(QByteArray, fichier);
        QFETCH(QList<qint64>, attentes);
        ecrire(ici("applaudi.wav"), fichier);
        son(true, true).jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
        QCOMPARE(horloge.attentes, attentes);
    }

    // Catches a FIFO at the name of the module or of a sound that holds the game for ever
    // (the opening blocks), or that is taken for a module or a sound.
    void fichiersHostiles() {
        QTemporaryDir tubes;
        const QString module = tubes.filePath(QStringLiteral("libverlo_son.so"));
        QCOMPARE(::mkfifo(QFile::encodeName(module).constData(), 0600), 0);
        std::unique_ptr<IMoteurSon> charge;
        QVERIFY(finitSansBlocage([&] { charge = SonPlateforme::chargerModule(tubes.path()); }, 3000,
                                 {module}));
        QVERIFY(!charge);

        QFile::remove(ici("applaudi.wav"));
        QCOMPARE(::mkfifo(QFile::encodeName(ici("applaudi.wav")).constData(), 0600), 0);
        std::optional<qint64> duree = 0;
        QVERIFY(finitSansBlocage([&] { duree = dureeWavMs(ici("applaudi.wav")); }, 3000,
                                 {ici("applaudi.wav")}));
        QVERIFY(!duree);
        SonPlateforme s = son(true, true);
        s.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
        QVERIFY(!journal.contains("jouer " + ici("applaudi.wav")));
        QFile::remove(ici("applaudi.wav"));
    }

    // Catches a wait that a close of the main window does not end: the program would stay
    // on after its window, silent, until the sound's time is out.
    void fermetureFinitAttente() {
        ecrire(ici("applaudi.wav"), wav(pcm(4000)));
        horloge.figee = true; // only real time passes
        SonPlateforme s = son(true, true);
        QTimer::singleShot(50, [] { Signaler_Fermeture(true); });
        QElapsedTimer reel;
        reel.start();
        s.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
        const qint64 pendant = reel.elapsed();
        reel.restart();
        s.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente); // once closed: at once
        const qint64 apres = reel.elapsed();
        Signaler_Fermeture(false);
        QVERIFY2(pendant < 1000, qPrintable(QString::number(pendant)));
        QVERIFY2(apres < 100, qPrintable(QString::number(apres)));
    }
};

QTEST_GUILESS_MAIN(TestSon)
#include "tst_son.moc"
