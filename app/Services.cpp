#include "Services.h"

#include <QTime>
#include <bit>
#include <chrono>

double HorlogeSysteme::heureDuJour() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::int64_t HorlogeSysteme::monotoneMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

HasardSysteme::HasardSysteme() : gen_(std::random_device{}()) {}

void HasardSysteme::reensemencer(double heure) {
    // Mixed in, not replacing the state: two draws within one clock tick still differ.
    gen_.seed(gen_() ^ std::bit_cast<std::uint64_t>(heure));
}

double HasardSysteme::suivant() {
    // generate_canonical may round up to 1.0 on some libraries; the draws need [0, 1).
    const double r = std::generate_canonical<double, 53>(gen_);
    return r < 1.0 ? r : 0.0;
}
