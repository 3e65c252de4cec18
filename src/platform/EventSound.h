#pragma once

#include <QMetaObject>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

struct ca_context;

// Plays the sound theme's event sounds through the desktop's sound server (libcanberra). The
// server is reached from a thread of its own, started at the first sound, so that a slow or
// missing server never holds up the tick or a window. Where a sound cannot be played (no server,
// no theme, any error) the X bell rings instead.
class EventSound {
public:
    enum class Event { Bell, AlarmClock };

    EventSound() = default;
    ~EventSound();
    EventSound(const EventSound&) = delete;
    EventSound& operator=(const EventSound&) = delete;

    // Returns at once.
    void play(Event event);
    // Ends the thread; sounds asked for afterwards are not played. Called before the windowing
    // system goes away, so that no fallback bell reaches it afterwards.
    void stop();

private:
    struct Canberra;

    void run();
    void playNow(const Canberra& canberra, ca_context* context, Event event);
    static void finished(ca_context* context, uint32_t id, int error, void* self);
    void ringXBell();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Event> queue_;
    bool stopping_ = false;
    std::atomic<bool> stopped_ = false;
    std::thread thread_;
    QMetaObject::Connection quitting_;
};
