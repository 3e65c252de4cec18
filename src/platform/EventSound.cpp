#include "platform/EventSound.h"

#include <canberra.h>

#include <QApplication>

namespace {

const char* eventId(EventSound::Event event) {
    return event == EventSound::Event::AlarmClock ? "alarm-clock-elapsed" : "bell";
}

}  // namespace

EventSound::~EventSound() {
    QObject::disconnect(quitting_);
    stop();
}

void EventSound::play(Event event) {
    std::lock_guard lock(mutex_);
    if (stopping_) return;
    queue_.push_back(event);
    if (!thread_.joinable()) {
        // Stopped while Qt still runs: a bell queued by the thread must not outlive it.
        if (auto* app = QCoreApplication::instance())
            quitting_ = QObject::connect(app, &QCoreApplication::aboutToQuit, [this] { stop(); });
        thread_ = std::thread(&EventSound::run, this);
    }
    wake_.notify_one();
}

void EventSound::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

// The context is made and destroyed on this thread: opening it may wait for the sound server.
void EventSound::run() {
    ca_context* context = nullptr;
    if (ca_context_create(&context) == CA_SUCCESS)
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "ZORVEK Inc.TIME",
                                CA_PROP_APPLICATION_ID, "com.zorvek.ZKTIME", nullptr);
    for (;;) {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) break;
        const Event event = queue_.front();
        queue_.pop_front();
        lock.unlock();
        playNow(context, event);
    }
    stopped_ = true;  // callbacks of sounds cut short by the destroy below ring nothing
    if (context) ca_context_destroy(context);
}

void EventSound::playNow(ca_context* context, Event event) {
    ca_proplist* properties = nullptr;
    int result = context ? ca_proplist_create(&properties) : CA_ERROR_STATE;
    if (result == CA_SUCCESS) {
        ca_proplist_sets(properties, CA_PROP_EVENT_ID, eventId(event));
        result = ca_context_play_full(context, 0, properties, &EventSound::finished, this);
        ca_proplist_destroy(properties);
    }
    if (result != CA_SUCCESS) ringXBell();
}

// Called on the sound server's thread once the sound ended or failed.
void EventSound::finished(ca_context*, uint32_t, int error, void* self) {
    if (error != CA_SUCCESS && error != CA_ERROR_CANCELED && error != CA_ERROR_DESTROYED)
        static_cast<EventSound*>(self)->ringXBell();
}

void EventSound::ringXBell() {
    if (stopped_) return;
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [] { QApplication::beep(); }, Qt::QueuedConnection);
}
