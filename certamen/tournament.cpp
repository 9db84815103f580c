#include "certamen/tournament.h"

#include "settings/roster.h"
#include "vocabulary/vocabularyfile.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <bit>
#include <numeric>

namespace certamen {

namespace {

const QByteArray magic = "LessiCorsa certamen 1";

// `k` with its lowest `bits` bits in reverse order: the first few byes so
// placed fall into different halves, quarters, ... of the bracket.
int reversed(int k, int bits) {
    int r = 0;
    for (int b = 0; b < bits; ++b)
        r |= ((k >> b) & 1) << (bits - 1 - b);
    return r;
}

QByteArray number(int n) {
    return QByteArray::number(n);
}

// A field of a CSV line, quoted when it holds a separator, a quote or a line break.
QByteArray csvField(const QString &s) {
    QByteArray b = s.toUtf8();
    if (!b.contains(',') && !b.contains('"') && !b.contains('\n') && !b.contains('\r')) return b;
    return '"' + b.replace("\"", "\"\"") + '"';
}

bool isDigits01(const QString &s) {
    return s.size() == 4 && s.contains(QLatin1Char('1')) && std::all_of(s.begin(), s.end(), [](QChar c) {
               return c == QLatin1Char('0') || c == QLatin1Char('1');
           });
}

} // namespace

int Tournament::matchesLeft() const {
    return static_cast<int>(std::count_if(matches_.begin(), matches_.end(),
                                          [](const Match &m) { return !m.bye && !m.played(); }));
}

int matchCount(Kind kind, int n) {
    return kind == Kind::Orbis ? n * (n - 1) / 2 : std::max(0, n - 1);
}

double typicalMatchSeconds(const game::Choices &c) {
    // The game's own pace. The highlight steps one box a tick (600 - 100 x
    // speed ms) round the twelve boxes; the right one is drawn at random, so
    // the highlight runs 6.5 boxes on average before it gets there, and a
    // pupil who is not quick enough lets it go round once more (every second
    // word, say: 6 boxes more). A right answer holds the board one second.
    // A match ends when one pupil has more than half the words: the winner's
    // half and one, and the loser some 70 % of a half in a close match. Then
    // the end scene (one second held and five of the falling head) and the
    // next pair taking their seats, some half a minute.
    const double tick = (600 - 100 * std::clamp(c.speed, 1, 5)) / 1000.0;
    const double boxes = 6.5 + 6, half = c.wordsChosen / 2;
    const double words = (std::floor(half) + 1) + 0.7 * half;
    return words * (tick * boxes + 1) + 6 + 30;
}

int bracketSize(int n) {
    int p = 1;
    while (p < n)
        p *= 2;
    return p;
}

Tournament Tournament::draw(Kind kind, const QList<Entrant> &entrants, const game::Choices &choices,
                            const std::function<int(int)> &below) {
    Tournament t;
    t.kind_ = kind;
    t.entrants_ = entrants;
    t.choices_ = choices;
    const int n = static_cast<int>(entrants.size());
    QList<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    for (int i = n - 1; i > 0; --i)
        order.swapItemsAt(i, std::clamp(below(i + 1), 0, i));
    if (kind == Kind::Orbis) {
        t.draw_ = order;
    } else {
        const int size = bracketSize(n), half = size / 2;
        const int bits = std::countr_zero(static_cast<unsigned>(half));
        QList<bool> byeAt(half, false);
        for (int b = 0; b < size - n; ++b)
            byeAt[reversed(b, bits)] = true;
        int e = 0;
        for (int k = 0; k < half; ++k) {
            t.draw_.append(order.at(e++));
            t.draw_.append(byeAt.at(k) ? -1 : order.at(e++));
        }
    }
    t.build();
    return t;
}

void Tournament::build() {
    matches_.clear();
    if (kind_ == Kind::Eliminatio) {
        const int half = static_cast<int>(draw_.size()) / 2;
        for (int k = 0; k < half; ++k) {
            Match m;
            m.side = {draw_.at(2 * k), draw_.at(2 * k + 1)};
            m.bye = m.side[1] < 0;
            matches_.push_back(m);
        }
        for (int count = half / 2, round = 2; count >= 1; count /= 2, ++round)
            for (int k = 0; k < count; ++k) {
                Match later;
                later.round = round;
                matches_.push_back(later);
            }
        advance();
        return;
    }
    // The circle: the first place stays, the others turn by one each round;
    // with an odd count an empty place gives each round's rest.
    QList<int> places = draw_;
    if (places.size() % 2) places.append(-1);
    const int m = static_cast<int>(places.size());
    for (int round = 0; round < m - 1; ++round) {
        for (int i = 0; i < m / 2; ++i) {
            Match match;
            match.round = round + 1;
            match.side = {places.at(i), places.at(m - 1 - i)};
            if (match.side[0] < 0 || match.side[1] < 0) continue;
            // The upper row of the circle plays on the left: going round it,
            // each entrant is as often on the left as on the right, and the
            // one who stays changes side every round.
            if (i == 0 && round % 2) std::swap(match.side[0], match.side[1]);
            matches_.push_back(match);
        }
        places.insert(1, places.takeLast());
    }
}

int Tournament::winnerOf(const Match &m) const {
    if (m.bye) return m.side[0];
    return m.outcome ? m.outcome->winner : -1;
}

void Tournament::advance() {
    if (kind_ != Kind::Eliminatio) return;
    int from = 0, count = static_cast<int>(draw_.size()) / 2;
    for (int at = count; at < static_cast<int>(matches_.size()); from = at, at += count / 2, count /= 2) {
        for (int k = 0; k < count / 2; ++k)
            matches_[at + k].side = {winnerOf(matches_[from + 2 * k]), winnerOf(matches_[from + 2 * k + 1])};
    }
}

int Tournament::next() const {
    for (size_t i = 0; i < matches_.size(); ++i)
        if (matches_[i].ready()) return static_cast<int>(i);
    return -1;
}

bool Tournament::record(int m, const Outcome &o) {
    if (m < 0 || m >= static_cast<int>(matches_.size())) return false;
    Match &match = matches_[m];
    if (!match.ready() || (o.winner != match.side[0] && o.winner != match.side[1])) return false;
    match.outcome = o;
    played_.append(m);
    log_.push_back({m, o, false});
    advance();
    return true;
}

bool Tournament::walkover(int m, int absent) {
    if (m < 0 || m >= static_cast<int>(matches_.size()) || (absent != 0 && absent != 1)) return false;
    Outcome o;
    o.winner = matches_[m].side[1 - absent];
    o.walkover = true;
    return record(m, o);
}

bool Tournament::mayReplay(int m) const {
    const qsizetype at = played_.lastIndexOf(m);
    if (at < 0) return false;
    const int winner = matches_[m].outcome->winner;
    for (qsizetype i = at + 1; i < played_.size(); ++i) {
        const Match &later = matches_[played_.at(i)];
        if (later.side[0] == winner || later.side[1] == winner) return false;
    }
    return true;
}

QList<int> Tournament::replayable() const {
    QList<int> l;
    for (qsizetype i = played_.size() - 1; i >= 0; --i)
        if (mayReplay(played_.at(i))) l.append(played_.at(i));
    return l;
}

bool Tournament::replay(int m) {
    if (!mayReplay(m)) return false;
    for (Entry &e : log_)
        if (e.match == m && !e.annulled) e.annulled = true;
    matches_[m].outcome.reset();
    played_.removeAll(m);
    advance();
    return true;
}

std::vector<Standing> Tournament::standings() const {
    std::vector<Standing> table(entrants_.size());
    for (size_t e = 0; e < table.size(); ++e)
        table[e].entrant = static_cast<int>(e);
    for (const Match &m : matches_) {
        if (!m.outcome) continue;
        for (int s : {0, 1}) {
            Standing &st = table[m.side[s]];
            ++st.played;
            st.wins += m.outcome->winner == m.side[s];
            st.right += m.outcome->right[s];
            st.errors += m.outcome->errors[s];
        }
    }
    auto key = [](const Standing &s) { return std::tuple(-s.wins, -s.right, s.errors); };
    std::stable_sort(table.begin(), table.end(),
                     [&](const Standing &a, const Standing &b) { return key(a) < key(b); });
    for (size_t i = 0; i < table.size(); ++i)
        table[i].place = i > 0 && key(table[i]) == key(table[i - 1]) ? table[i - 1].place : int(i) + 1;
    return table;
}

QList<int> Tournament::champions() const {
    if (!finished() || matches_.empty()) return {};
    if (kind_ == Kind::Eliminatio) return {winnerOf(matches_.back())};
    QList<int> first;
    for (const Standing &s : standings())
        if (s.place == 1) first.append(s.entrant);
    return first;
}

QByteArray Tournament::save() const {
    QByteArray b = magic + '\n';
    b += kind_ == Kind::Orbis ? "forma orbis\n" : "forma eliminatio\n";
    const game::Choices &c = choices_;
    b += "optiones " + number(c.speed) + ';' + number(static_cast<int>(c.wordsChosen)) + ';' +
         c.classes.toLatin1() + ';' + c.frequencies.toLatin1() + ';' + number(c.languageIndex) + ';' +
         number(c.soundsOn) + ';' + number(c.musicOn) + ';' + number(c.excludeSimilar) + ';' +
         c.vocabularyFile.toUtf8() + '\n';
    // A tournament on forms says so; one on words, as ever, not.
    if (!c.kind.isEmpty()) b += "ludus " + c.kind.toUtf8() + '\n';
    for (const Entrant &e : entrants_)
        b += "lusor " + e.character.toUtf8() + '\t' + e.name.toUtf8() + '\n';
    QByteArrayList places;
    for (int d : draw_)
        places.append(number(d));
    b += "sors " + places.join(' ') + '\n';
    // A file without walkovers or replays reads as it always did; an annulled
    // result is its line as it was, behind "iterum".
    for (const Entry &e : log_) {
        const Outcome &o = e.outcome;
        if (e.annulled) b += "iterum ";
        if (o.walkover)
            b += "absens " + number(e.match) + ' ' + number(o.winner) + '\n';
        else
            b += "eventus " +
                 QByteArrayList{number(e.match),    number(o.winner),    number(o.right[0]),
                                number(o.right[1]), number(o.errors[0]), number(o.errors[1]),
                                number(o.seconds)}
                     .join(' ') +
                 '\n';
    }
    return b + "finis " + QByteArray::number(qChecksum(b), 16).rightJustified(4, '0') + '\n';
}

std::optional<Tournament> Tournament::load(const QByteArray &bytes) {
    // The last line seals the rest: a file cut short or changed fails here.
    if (!bytes.endsWith('\n')) return std::nullopt;
    const qsizetype seal = bytes.lastIndexOf("finis ", bytes.size() - 2);
    if (seal < 0 || (seal > 0 && bytes.at(seal - 1) != '\n')) return std::nullopt;
    const QByteArray body = bytes.left(seal);
    if (bytes.mid(seal) != "finis " + QByteArray::number(qChecksum(body), 16).rightJustified(4, '0') + '\n')
        return std::nullopt;
    QByteArrayList lines = body.split('\n');
    lines.removeLast(); // after the last line end
    qsizetype at = 0;
    auto line = [&](const QByteArray &keyword) -> std::optional<QByteArray> {
        if (at >= lines.size() || !lines.at(at).startsWith(keyword + ' ')) return std::nullopt;
        return lines.at(at++).mid(keyword.size() + 1);
    };
    auto whole = [](const QByteArray &s, int min, int max) -> std::optional<int> {
        bool ok = false;
        const int v = s.toInt(&ok);
        if (!ok || v < min || v > max || number(v) != s) return std::nullopt;
        return v;
    };

    if (lines.value(at++) != magic) return std::nullopt;
    Tournament t;
    const auto form = line("forma");
    if (!form || (*form != "orbis" && *form != "eliminatio")) return std::nullopt;
    t.kind_ = *form == "orbis" ? Kind::Orbis : Kind::Eliminatio;

    const auto options = line("optiones");
    if (!options) return std::nullopt;
    const QByteArrayList o = options->split(';');
    if (o.size() != 9) return std::nullopt;
    const auto speed = whole(o[0], 1, 5), words = whole(o[1], 10, 50), language = whole(o[4], 0, 99);
    const auto sounds = whole(o[5], 0, 1), music = whole(o[6], 0, 1), similar = whole(o[7], 0, 1);
    game::Choices &c = t.choices_;
    c.playerCount = 2;
    c.classes = QString::fromLatin1(o[2]);
    c.frequencies = QString::fromLatin1(o[3]);
    c.vocabularyFile = QString::fromUtf8(o[8]);
    if (!speed || !words || *words % 10 || !language || !sounds || !music || !similar ||
        !isDigits01(c.classes) || !isDigits01(c.frequencies) ||
        (c.vocabularyFile != QLatin1String("vocabula.txt") &&
         c.vocabularyFile != QLatin1String("vocpers.txt")))
        return std::nullopt;
    c.speed = *speed;
    c.wordsChosen = c.wordsPerGame = *words;
    c.languageIndex = *language;
    c.soundsOn = *sounds;
    c.musicOn = *music;
    c.excludeSimilar = *similar;
    if (const auto kind = line("ludus")) {
        if (*kind != "formae") return std::nullopt;
        c.kind = QString::fromUtf8(*kind);
    }

    QSet<QString> seen;
    while (const auto e = line("lusor")) {
        const qsizetype tab = e->indexOf('\t');
        if (tab < 0) return std::nullopt;
        Entrant entrant{QString::fromUtf8(e->mid(tab + 1)), QString::fromUtf8(e->left(tab))};
        if (!validName(entrant.name) || seen.contains(entrant.name.toCaseFolded())) return std::nullopt;
        if (!entrant.character.isEmpty() && !roster::numberOf(entrant.character)) return std::nullopt;
        seen.insert(entrant.name.toCaseFolded());
        t.entrants_.append(entrant);
    }
    const int n = static_cast<int>(t.entrants_.size());
    if (n < minEntrants || n > (t.kind_ == Kind::Orbis ? maxLeague : maxEntrants)) return std::nullopt;

    const auto places = line("sors");
    if (!places) return std::nullopt;
    QList<int> count(n, 0);
    for (const QByteArray &p : places->split(' ')) {
        const auto d = whole(p, -1, n - 1);
        if (!d) return std::nullopt;
        if (*d >= 0) ++count[*d];
        t.draw_.append(*d);
    }
    if (count.count(1) != n) return std::nullopt; // everybody once
    if (t.kind_ == Kind::Orbis) {
        if (t.draw_.size() != n) return std::nullopt;
    } else {
        if (t.draw_.size() != bracketSize(n)) return std::nullopt;
        // A bye's empty place is the second of its pair.
        for (qsizetype k = 0; k < t.draw_.size(); k += 2)
            if (t.draw_.at(k) < 0) return std::nullopt;
    }
    t.build();

    for (; at < lines.size(); ++at) {
        QByteArray l = lines.at(at);
        const bool annulled = l.startsWith("iterum ");
        if (annulled) l = l.mid(7);
        const bool walkover = l.startsWith("absens ");
        if (!walkover && !l.startsWith("eventus ")) return std::nullopt;
        const QByteArrayList f = l.mid(walkover ? 7 : 8).split(' ');
        if (f.size() != (walkover ? 2 : 7)) return std::nullopt;
        std::array<std::optional<int>, 7> v{0, 0, 0, 0, 0, 0, 0};
        for (int i = 0; i < f.size(); ++i)
            v[i] = whole(f[i], 0, i == 0 ? static_cast<int>(t.matches_.size()) - 1 : i == 1 ? n - 1 : 999999);
        if (std::any_of(v.begin(), v.end(), [](const auto &x) { return !x; })) return std::nullopt;
        const Outcome o{*v[1], {*v[2], *v[3]}, {*v[4], *v[5]}, *v[6], walkover};
        if (annulled)
            t.log_.push_back({*v[0], o, true});
        else if (!t.record(*v[0], o))
            return std::nullopt;
    }
    if (at != lines.size()) return std::nullopt;
    return t;
}

QByteArray Tournament::csv() const {
    QByteArray b = "\xEF\xBB\xBF" // so that spreadsheets read the names' accents right
                   "Gradus,Sinister,Dexter,Victor,Recte sinister,Recte dexter,Errores sinister,Errores "
                   "dexter,Secunda,Nota\r\n";
    for (int m : played_) {
        const Match &match = matches_[m];
        const Outcome &o = *match.outcome;
        // A walkover has no figures: its note says so.
        auto figure = [&](int v) { return o.walkover ? QByteArray() : number(v); };
        b += QByteArrayList{number(match.round),
                            csvField(name(match.side[0])),
                            csvField(name(match.side[1])),
                            csvField(name(o.winner)),
                            figure(o.right[0]),
                            figure(o.right[1]),
                            figure(o.errors[0]),
                            figure(o.errors[1]),
                            figure(o.seconds),
                            o.walkover ? QByteArray("absens") : QByteArray()}
                 .join(',') +
             "\r\n";
    }
    return b;
}

bool validName(const QString &name) {
    return !name.isEmpty() && name == name.simplified() && name.size() <= maxNameLength;
}

NameList readNames(const QString &text, Kind kind) {
    NameList l;
    QStringList lines = vocabulary::splitLines(text);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    QHash<QString, int> lineOf;
    for (int i = 0; i < lines.size(); ++i) {
        const QString name = lines.at(i).simplified();
        if (name.isEmpty()) {
            l.problem = QStringLiteral("La riga %1 è vuota: scrivere un nome per riga, senza righe vuote.")
                            .arg(i + 1);
            return l;
        }
        if (name.size() > maxNameLength) {
            l.problem = QStringLiteral("Il nome della riga %1 è troppo lungo: al massimo %2 caratteri.")
                            .arg(i + 1)
                            .arg(maxNameLength);
            return l;
        }
        // Pupils' names differ in more than their capitals.
        if (const int before = lineOf.value(name.toCaseFolded(), -1); before >= 0) {
            l.problem =
                QStringLiteral("Il nome «%1» compare due volte (righe %2 e %3): ogni concorrente deve "
                               "avere un nome diverso.")
                    .arg(name)
                    .arg(before + 1)
                    .arg(i + 1);
            return l;
        }
        lineOf.insert(name.toCaseFolded(), i);
        l.names.append(name);
    }
    const auto n = l.names.size();
    if (n < Tournament::minEntrants || n > Tournament::maxEntrants)
        l.problem = QStringLiteral("Un certamen vuole da %1 a %2 concorrenti: l'elenco ne ha %3.")
                        .arg(Tournament::minEntrants)
                        .arg(Tournament::maxEntrants)
                        .arg(n);
    else if (kind == Kind::Orbis && n > Tournament::maxLeague)
        l.problem = QStringLiteral("L'Orbis, in cui ognuno gioca contro tutti, è per %1 a %2 concorrenti: "
                                   "l'elenco ne ha %3. Scegliere l'Eliminatio o accorciare l'elenco.")
                        .arg(Tournament::minEntrants)
                        .arg(Tournament::maxLeague)
                        .arg(n);
    return l;
}

} // namespace certamen
