#include "platform/EventSound.h"

#include <canberra.h>
#include <dlfcn.h>

#include <QApplication>

namespace {

const char* eventId(EventSound::Event event) {
    return event == EventSound::Event::AlarmClock ? "alarm-clock-elapsed" : "bell";
}

template <typename Function>
bool resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

}  // namespace

// Loaded at the first sound: linked to the program, the library and the five it needs would be
// loaded at every start, and by every second copy that only ends at once. Kept loaded, as its
// sound server's thread may outlive the context by a moment.
struct EventSound::Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_play_full) play = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_proplist_create) newProperties = nullptr;
    decltype(&ca_proplist_sets) setProperty = nullptr;
    decltype(&ca_proplist_destroy) deleteProperties = nullptr;

    bool load() {
        void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        return library && resolve(library, "ca_context_create", create) &&
               resolve(library, "ca_context_change_props", changeProps) &&
               resolve(library, "ca_context_play_full", play) &&
               resolve(library, "ca_context_destroy", destroy) &&
               resolve(library, "ca_proplist_create", newProperties) &&
               resolve(library, "ca_proplist_sets", setProperty) &&
               resolve(library, "ca_proplist_destroy", deleteProperties);
    }
};

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
    Canberra canberra;
    ca_context* context = nullptr;
    if (canberra.load() && canberra.create(&context) == CA_SUCCESS)
        canberra.changeProps(context, CA_PROP_APPLICATION_NAME, "ZORVEK Inc.TIME",
                             CA_PROP_APPLICATION_ID, "com.zorvek.ZKTIME", nullptr);
    for (;;) {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) break;
        const Event event = queue_.front();
        queue_.pop_front();
        lock.unlock();
        playNow(canberra, context, event);
    }
    stopped_ = true;  // callbacks of sounds cut short by the destroy below ring nothing
    if (context) canberra.destroy(context);
}

void EventSound::playNow(const Canberra& canberra, ca_context* context, Event event) {
    ca_proplist* properties = nullptr;
    int result = context ? canberra.newProperties(&properties) : CA_ERROR_STATE;
    if (result == CA_SUCCESS) {
        canberra.setProperty(properties, CA_PROP_EVENT_ID, eventId(event));
        result = canberra.play(context, 0, properties, &EventSound::finished, this);
        canberra.deleteProperties(properties);
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
