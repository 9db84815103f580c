#include "vocabulary/senses.h"

#include <array>
#include <memory>

namespace vocabulary {

namespace {

// A character without its accents, in its case-folded form: the first
// character of its canonical decomposition, as often as it has one.
QChar plain(QChar c) {
    while (c.decompositionTag() == QChar::Canonical) {
        const QString d = c.decomposition();
        if (d.isEmpty()) break;
        c = d.front();
    }
    return c.toCaseFolded();
}

// What each character below U+0250 (the Latin letters of every language the
// vocabularies use) adds to a key: one or two plain letters, a digit, or
// nothing for blanks and punctuation. Made once from Qt's Unicode data, so
// that folding a key costs a table look-up per character.
struct FoldTable {
    static constexpr char16_t size = 0x250;
    std::array<std::array<char16_t, 2>, size> to{};
    FoldTable() {
        for (char16_t u = 0; u < size; ++u) {
            const QChar p = plain(QChar(u));
            if (p.isLetterOrNumber()) to[u] = {p.unicode(), 0};
        }
        // Letters without a decomposition that a reader takes for plain ones.
        const std::pair<char16_t, const char *> spelled[] = {
            {u'ß', "ss"}, {u'æ', "ae"}, {u'Æ', "ae"}, {u'œ', "oe"}, {u'Œ', "oe"}, {u'ø', "o"},
            {u'Ø', "o"},  {u'đ', "d"},  {u'Đ', "d"},  {u'ł', "l"},  {u'Ł', "l"},  {u'ı', "i"},
        };
        for (const auto &[u, s] : spelled)
            to[u] = {char16_t(s[0]), char16_t(s[1])};
    }
};

const FoldTable &foldTable() {
    static const FoldTable table;
    return table;
}

// A key built as text (to show it) or as a 64-bit FNV-1a hash of that text
// (to compare it): a pool's keys are hashed without a string made for each.
struct TextKey {
    QString text;
    void add(char16_t c) { text += QChar(c); }
    bool empty() const { return text.isEmpty(); }
    void clear() { text.clear(); }
};
struct HashKey {
    static constexpr quint64 basis = 14695981039346656037ull, prime = 1099511628211ull;
    quint64 hash = basis;
    bool any = false;
    void add(char16_t c) {
        hash = (hash ^ c) * prime;
        any = true;
    }
    bool empty() const { return !any; }
    void clear() {
        hash = basis;
        any = false;
    }
};

template <typename Key> void appendFolded(Key &key, QChar c, const FoldTable &table) {
    char16_t u = c.unicode();
    if (u >= FoldTable::size) {
        const QChar p = plain(c);
        if (p.unicode() >= FoldTable::size) {
            if (p.isLetterOrNumber()) key.add(p.unicode());
            return;
        }
        u = p.unicode(); // ẞ folds to ß, which is spelled "ss"
    }
    const auto &to = table.to[u];
    if (to[0] != 0) key.add(to[0]);
    if (to[1] != 0) key.add(to[1]);
}

// Calls `out` with each key of `t`, built in `key`.
template <typename Key, typename Out> void eachKey(QStringView t, Key &key, Out out) {
    const FoldTable &table = foldTable();
    int depth = 0;
    bool any = false;
    key.clear();
    const auto end = [&] {
        if (key.empty()) return;
        out(key);
        any = true;
        key.clear();
    };
    for (const QChar c : t) {
        switch (c.unicode()) {
        case u'(':
        case u'[':
            ++depth;
            break;
        case u')':
        case u']':
            if (depth > 0) --depth;
            break;
        case u',':
        case u';':
        case u'/':
            if (depth == 0) end();
            break;
        default:
            if (depth == 0) appendFolded(key, c, table);
        }
    }
    end();
    if (any) return;
    // No letter: the whole text. Its key cannot read as a folded one, which
    // has letters or digits only and is never empty.
    for (const QChar c : t)
        key.add(c.unicode());
    out(key);
}

} // namespace

QStringList senseKeys(QStringView translation) {
    QStringList keys;
    TextKey key;
    eachKey(translation, key, [&](const TextKey &k) { keys.append(k.text); });
    return keys;
}

bool shareSense(QStringView a, QStringView b) {
    const QStringList ka = senseKeys(a), kb = senseKeys(b);
    for (const QString &k : ka)
        if (kb.contains(k)) return true;
    return false;
}

PoolSenses::PoolSenses(const QStringList &translations) : texts_(translations) {
    starts_.reserve(translations.size() + 1);
    keys_.reserve(translations.size() * 2);
    HashKey key;
    for (const QString &t : translations) {
        starts_.push_back(static_cast<int>(keys_.size()));
        eachKey(t, key, [&](const HashKey &k) { keys_.push_back(k.hash); });
    }
    starts_.push_back(static_cast<int>(keys_.size()));
}

const PoolSenses &PoolSenses::of(const QStringList &translations) {
    static std::unique_ptr<PoolSenses> last;
    if (!last || last->texts_.constData() != translations.constData() ||
        last->texts_.size() != translations.size())
        last = std::make_unique<PoolSenses>(translations);
    return *last;
}

bool PoolSenses::share(qsizetype j, qsizetype k) const {
    const qsizetype rows = static_cast<qsizetype>(starts_.size()) - 1;
    if (j < 0 || k < 0 || j >= rows || k >= rows) return false;
    for (int a = starts_[j]; a < starts_[j + 1]; ++a)
        for (int b = starts_[k]; b < starts_[k + 1]; ++b)
            if (keys_[a] == keys_[b]) return true;
    return false;
}

} // namespace vocabulary
