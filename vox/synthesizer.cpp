#include "vox/synthesizer.h"

#include <QCache>
#include <QFile>
#include <QFileInfo>

#include "vox/espeakapi.h"

#include <algorithm>
#include <cstdlib>

namespace vox {

namespace {

// A sample this loud or more is sound; the quieter edges of a rendering are
// cut, so that the word starts to sound as soon as it is played.
constexpr int audible = 64;
// What is kept before the first audible sample, so the word does not start with a click.
constexpr int leadMs = 5;

// eSpeak NG's state, which is the process's: guarded by `mutex`.
//
// The library is set up once in the process and never terminated: setting it
// up again after espeak_ng_Terminate can wait for ever on its own thread. Its
// phoneme tables are read at that first setup; the voices and their
// dictionaries are read from the data folder of the synthesiser speaking.
struct Library {
    std::mutex mutex;
    bool initialized = false, failed = false;
    QString folder;    // the data folder the voices are read from
    QString installed; // the folder the library finds by itself; null until asked
    QString voice;     // the voice last asked for, and whether it loaded
    bool voiceReady = false;
    int rate = 0;
    std::vector<std::int16_t> *collecting = nullptr;
};

Library &library() {
    // Never destroyed: a worker may still be speaking while static objects are torn down.
    static Library *l = new Library;
    return *l;
}

int collect(short *wav, int count, espeak_EVENT *) {
    std::vector<std::int16_t> *out = library().collecting;
    if (wav && count > 0 && out) out->insert(out->end(), wav, wav + count);
    return 0;
}

void pointAt(const QString &folder) {
    espeak_ng_InitializePath(QFile::encodeName(folder).constData());
}

// The data folder of `dataPath`, as the library takes it: the folder itself
// or its "espeak-ng-data"; for an empty path, where the library looks by
// itself (its installed folder, or $ESPEAK_DATA_PATH).
QString dataFolder(Library &l, const QString &dataPath) {
    if (dataPath.isEmpty()) {
        if (l.installed.isNull() && !espeak::api()) l.installed = QStringLiteral("");
        if (l.installed.isNull()) {
            espeak_ng_InitializePath(nullptr);
            const char *found = nullptr;
            espeak_Info(&found);
            l.installed = found ? QFile::decodeName(found) : QStringLiteral("");
            if (l.initialized) pointAt(l.folder);
        }
        return l.installed;
    }
    const QString nested = dataPath + QStringLiteral("/espeak-ng-data");
    return QFileInfo(nested).isDir() ? nested : dataPath;
}

// Sets the library up, unless it is already, and points it at `folder` for
// its voices; false without a voice.
bool setUp(Library &l, const QString &folder) {
    // A folder without the phoneme tables holds no voice; the library is not
    // even asked, since it would read the tables of another folder.
    if (l.failed || !QFileInfo(folder + QStringLiteral("/phontab")).isFile()) return false;
    if (!l.initialized) {
        // The library is opened here, when a word is first spoken.
        l.failed = !espeak::api();
        if (l.failed) return false;
        pointAt(folder);
        // Through espeak_ng_Initialize, not espeak_Initialize: the latter ends
        // the whole program when the data is missing.
        espeak_ng_ERROR_CONTEXT context = nullptr;
        const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        espeak_ng_ClearErrorContext(&context);
        // Not tried again: each try would leave one more of its threads behind.
        l.failed =
            status != ENS_OK || espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK;
        if (l.failed) return false;
        espeak_SetSynthCallback(&collect);
        l.rate = espeak_ng_GetSampleRate();
        l.initialized = true;
        l.folder = folder;
    }
    if (folder != l.folder) {
        pointAt(folder);
        l.folder = folder;
        l.voice.clear();
        l.voiceReady = false;
    }
    return l.rate > 0;
}

bool useVoice(Library &l, const QString &voice) {
    if (voice == l.voice) return l.voiceReady;
    l.voice = voice;
    // Without its dictionary a voice still loads, but says nothing: silence.
    l.voiceReady = !voice.isEmpty() && espeak_ng_SetVoiceByName(voice.toUtf8().constData()) == ENS_OK;
    return l.voiceReady;
}

// The samples from the first audible one (less a short lead) to the last.
std::vector<std::int16_t> trimmed(const std::vector<std::int16_t> &s, int rate) {
    const auto loud = [](std::int16_t x) { return std::abs(int(x)) >= audible; };
    const auto first = std::find_if(s.begin(), s.end(), loud);
    if (first == s.end()) return {};
    const auto last = std::find_if(s.rbegin(), s.rend(), loud).base();
    const auto lead = std::min<std::ptrdiff_t>(first - s.begin(), rate * leadMs / 1000);
    return std::vector<std::int16_t>(first - lead, last);
}

} // namespace

// The words spoken lately: a game asks each of its words several times.
struct Synthesizer::Cache {
    // In KiB of samples: some two hundred words.
    QCache<QString, Speech> kept{8 * 1024};
};

Synthesizer::Synthesizer(Sink sink, const QString &dataPath)
    : sink_(std::move(sink)), dataPath_(dataPath), cache_(std::make_unique<Cache>()) {
    worker_ = std::thread([this] { run(); });
}

Synthesizer::~Synthesizer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void Synthesizer::say(const QString &text, const QString &voice, int leadMs) {
    post({text, voice, true, leadMs, nullptr});
}

void Synthesizer::prepare(const QString &voice) {
    post({QString(), voice, false, 0, nullptr});
}

Speech Synthesizer::render(const QString &text, const QString &voice) {
    auto result = std::make_shared<std::promise<Speech>>();
    std::future<Speech> speech = result->get_future();
    post({text, voice, false, 0, result});
    return speech.get();
}

void Synthesizer::post(Request r) {
    {
        std::lock_guard lock(mutex_);
        if (r.toSink) std::erase_if(requests_, [](const Request &waiting) { return waiting.toSink; });
        requests_.push_back(std::move(r));
    }
    wake_.notify_one();
}

void Synthesizer::run() {
    for (;;) {
        Request r;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !requests_.empty(); });
            if (stopping_) return;
            r = std::move(requests_.front());
            requests_.pop_front();
        }
        const Speech s = speak(r.text, r.voice);
        if (r.result) r.result->set_value(s);
        if (!r.toSink || s.silent() || !sink_) continue;
        if (r.leadMs <= 0) {
            sink_(s);
            continue;
        }
        auto led = std::make_shared<std::vector<std::int16_t>>(size_t(s.rate) * size_t(r.leadMs) / 1000);
        led->insert(led->end(), s.samples->begin(), s.samples->end());
        sink_({std::move(led), s.rate});
    }
}

Speech Synthesizer::speak(const QString &text, const QString &voice) {
    const QString key = voice + QLatin1Char('\n') + text;
    if (const Speech *kept = cache_->kept.object(key)) return *kept;
    Library &l = library();
    std::vector<std::int16_t> samples;
    int rate = 0;
    {
        std::lock_guard lock(l.mutex);
        if (!setUp(l, dataFolder(l, dataPath_)) || !useVoice(l, voice) || text.isEmpty()) return {};
        const QByteArray utf8 = text.toUtf8();
        l.collecting = &samples;
        const espeak_ng_STATUS status =
            espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                 espeakCHARS_UTF8, nullptr, nullptr);
        l.collecting = nullptr;
        if (status != ENS_OK) return {};
        rate = l.rate;
    }
    samples = trimmed(samples, rate);
    if (samples.empty()) return {};
    Speech s{std::make_shared<const std::vector<std::int16_t>>(std::move(samples)), rate};
    const qsizetype kib = qsizetype(s.samples->size() * sizeof(std::int16_t) / 1024) + 1;
    cache_->kept.insert(key, new Speech(s), kib);
    return s;
}

} // namespace vox
