// The sound module: the effects played through Qt Multimedia. Built apart and
// loaded at run time, so that the program links no audio library.

#include "extras/MoteurSon.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>

namespace {

class MoteurSonQt final : public IMoteurSon {
public:
    bool sortiePresente() const override { return !QMediaDevices::audioOutputs().isEmpty(); }

    void charger(const QString& chemin) override { effet(chemin); }

    void jouer(const QString& chemin) override {
        for (auto& [nom, autre] : effets_)
            if (nom != chemin)
                autre->stop();
        QSoundEffect& e = effet(chemin);
        e.stop(); // played again from the start
        e.play();
    }

private:
    QSoundEffect& effet(const QString& chemin) {
        auto& e = effets_[chemin];
        if (!e) {
            e = std::make_unique<QSoundEffect>();
            e->setSource(QUrl::fromLocalFile(chemin));
        }
        return *e;
    }

    std::map<QString, std::unique_ptr<QSoundEffect>> effets_;
};

} // namespace

extern "C" Q_DECL_EXPORT IMoteurSon* verlo_creer_moteur_son() {
    return new MoteurSonQt;
}
