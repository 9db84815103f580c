#pragma once
// The voice: a text rendered to samples in memory by eSpeak NG, on a worker
// thread of its own, so that the window never waits for it.
//
// eSpeak NG keeps its state in the process (one voice, one data folder at a
// time), so every synthesiser takes its turn at the library.
//
// Where there is no voice (no data folder, a language the data does not hold,
// a synthesiser that fails), a rendering is silent: no samples, nothing
// handed on, nothing said to the user.

#include <QString>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace vox {

// 16-bit mono samples at `rate` Hz; no samples where there was no voice.
struct Speech {
    std::shared_ptr<const std::vector<std::int16_t>> samples;
    int rate = 0;
    bool silent() const { return !samples || samples->empty(); }
};

class Synthesizer {
  public:
    // Takes each speech rendered for say(), on the worker thread.
    using Sink = std::function<void(const Speech &)>;

    // `dataPath` is eSpeak NG's data folder; empty, the library looks for it
    // where it was installed (or in $ESPEAK_DATA_PATH).
    explicit Synthesizer(Sink sink, const QString &dataPath = QString());
    ~Synthesizer();
    Synthesizer(const Synthesizer &) = delete;
    Synthesizer &operator=(const Synthesizer &) = delete;

    // Renders `text` in `voice` (eSpeak NG's language name: "la", "it") and
    // hands it to the sink unless it is silent, after `leadMs` of silence. A
    // request still waiting when a newer one comes is dropped: its sound
    // would be cut at once.
    void say(const QString &text, const QString &voice, int leadMs = 0);
    // Sets the library up and loads `voice` ahead of the first word.
    void prepare(const QString &voice);
    // Renders and waits for the result.
    Speech render(const QString &text, const QString &voice);

  private:
    struct Request {
        QString text, voice;
        bool toSink = true;
        int leadMs = 0;
        std::shared_ptr<std::promise<Speech>> result;
    };
    void post(Request r);
    void run();
    Speech speak(const QString &text, const QString &voice);

    Sink sink_;
    QString dataPath_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Request> requests_;
    bool stopping_ = false;
    // The words spoken lately, by voice and text (the worker's own).
    struct Cache;
    std::unique_ptr<Cache> cache_;
    std::thread worker_;
};

} // namespace vox
