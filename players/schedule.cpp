#include "players/schedule.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace schedule {

namespace {
std::function<QDate()> &clock() {
    static std::function<QDate()> c;
    return c;
}
} // namespace

int daysIn(int box) {
    return 1 << (std::clamp(box, firstBox, lastBox) - 1);
}

Card missed(QDate today) {
    return {firstBox, today.addDays(daysIn(firstBox))};
}

std::optional<Card> rightAtFirstStrike(const Card &card, QDate today) {
    if (card.due > today) return card;
    if (card.box >= lastBox) return std::nullopt;
    const int box = card.box + 1;
    return Card{box, today.addDays(daysIn(box))};
}

Card sound(int box, QDate due, QDate today) {
    if (box < firstBox || box > lastBox || !due.isValid()) return {firstBox, today};
    return {box, due};
}

QList<int> askingOrder(const QList<QDate> &due, int count, const std::function<float()> &rnd) {
    struct Key {
        qint64 day;
        float draw;
        int index;
    };
    std::vector<Key> keys;
    keys.reserve(static_cast<size_t>(due.size()));
    for (qsizetype i = 0; i < due.size(); ++i)
        keys.push_back({due[i].isValid() ? due[i].toJulianDay() : 0, rnd(), static_cast<int>(i)});
    const auto n = static_cast<size_t>(std::clamp<qsizetype>(count, 0, due.size()));
    // Only the first `count` need sorting: a game of 50 among 10,000 words.
    std::partial_sort(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(n), keys.end(),
                      [](const Key &a, const Key &b) {
                          return std::tie(a.day, a.draw, a.index) < std::tie(b.day, b.draw, b.index);
                      });
    QList<int> order;
    order.reserve(static_cast<qsizetype>(n));
    for (size_t i = 0; i < n; ++i)
        order.append(keys[i].index);
    return order;
}

QDate today() {
    return clock() ? clock()() : QDate::currentDate();
}

void setClock(std::function<QDate()> c) {
    clock() = std::move(c);
}

} // namespace schedule
