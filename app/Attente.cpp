#include "Attente.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <climits>

bool Attendre(const IHorloge& horloge, std::int64_t ms, const std::function<bool()>& interrompre) {
    const std::int64_t fin = horloge.monotoneMs() + ms;
    QTimer reveil;
    reveil.setSingleShot(true);
    reveil.setTimerType(Qt::PreciseTimer);
    for (std::int64_t reste = ms; reste > 0; reste = fin - horloge.monotoneMs()) {
        reveil.start(static_cast<int>(std::min<std::int64_t>(reste, INT_MAX)));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (interrompre())
            return false;
    }
    return true;
}
