#include "jukebox/playback/gst_bus_queue.h"

#include <gst/gst.h>

#include <QCoreApplication>
#include <chrono>

#include "jukebox/playback/media_graph.h"

struct GstBusQueue::Callbacks {
    // A sync handler that drops a message owns it.
    static GstBusSyncReply busSync(GstBus*, GstMessage* message, gpointer self) {
        static_cast<GstBusQueue*>(self)->push(message);
        gst_message_unref(message);
        return GST_BUS_DROP;
    }
};

void GstBusQueue::attach(GstElement* pipeline) {
    GstBus* bus = gst_element_get_bus(pipeline);
    gst_bus_set_sync_handler(bus, &Callbacks::busSync, this, nullptr);
    gst_object_unref(bus);
    errorSeen_ = false;
    keepAsyncDone_ = false;
}

void GstBusQueue::detach(GstElement* pipeline) {
    GstBus* bus = gst_element_get_bus(pipeline);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
    clear();
}

void GstBusQueue::setTarget(QObject* target) {
    std::lock_guard lock(mutex_);
    target_ = target;
}

void GstBusQueue::notifyLocked() {
    if (target_ != nullptr) {
        QCoreApplication::postEvent(target_, new QEvent(kGraphEventType));
    }
}

void GstBusQueue::notify() {
    std::lock_guard lock(mutex_);
    notifyLocked();
}

void GstBusQueue::push(GstMessage* message) {
    switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_ERROR:
        case GST_MESSAGE_EOS:
        case GST_MESSAGE_DURATION_CHANGED:
        case GST_MESSAGE_BUFFERING:
            break;
        case GST_MESSAGE_QOS:
            if (qosHandler_) {
                qosHandler_(message);
            }
            return;
        case GST_MESSAGE_ASYNC_DONE:
            if (!keepAsyncDone_) {
                return;  // a seek or pause settled: the transport waited for it
            }
            break;
        default:
            return;  // nothing the graph, the engine or the window acts on
    }
    std::lock_guard lock(mutex_);
    messages_.push_back(gst_message_ref(message));
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
        errorSeen_ = true;
        errorArrived_.notify_all();
    }
    notifyLocked();
}

std::deque<GstMessage*> GstBusQueue::take() {
    std::deque<GstMessage*> taken;
    std::lock_guard lock(mutex_);
    taken.swap(messages_);
    return taken;
}

void GstBusQueue::clear() {
    for (GstMessage* message : take()) {
        gst_message_unref(message);
    }
}

void GstBusQueue::dropEndOfStream(uint32_t seekSeqnum) {
    std::lock_guard lock(mutex_);
    std::erase_if(messages_, [seekSeqnum](GstMessage* message) {
        if (GST_MESSAGE_TYPE(message) != GST_MESSAGE_EOS ||
            (seekSeqnum != GST_SEQNUM_INVALID && gst_message_get_seqnum(message) == seekSeqnum)) {
            return false;
        }
        gst_message_unref(message);
        return true;
    });
}

bool GstBusQueue::waitForError(int timeoutMs) {
    std::unique_lock lock(mutex_);
    return errorArrived_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                  [this] { return errorSeen_.load(); });
}
