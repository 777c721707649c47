#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

class QObject;
typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;

// Carries a pipeline's bus messages from the streaming threads to the user-interface
// thread. Only the messages the graph acts on are kept; for each, the event target
// (if any) is sent a kGraphEventType notice. Nothing ever stays on the bus itself.
class GstBusQueue {
public:
    GstBusQueue() = default;
    ~GstBusQueue() { clear(); }
    GstBusQueue(const GstBusQueue&) = delete;
    GstBusQueue& operator=(const GstBusQueue&) = delete;

    // Starts and ends taking the messages of pipeline's bus.
    void attach(GstElement* pipeline);
    void detach(GstElement* pipeline);

    void setTarget(QObject* target);
    // Sends the target a notice now (for events the graph makes itself).
    void notify();

    // The kept messages, oldest first; the caller drops their references.
    std::deque<GstMessage*> take();
    // Drops the kept messages.
    void clear();
    // Drops the end-of-stream messages still waiting that speak of the stream as
    // it was before the flushing seek whose sequence number is seekSeqnum: an end
    // that the seek itself caused (the target was the end) carries its number
    // and stays. 0 drops them all.
    void dropEndOfStream(uint32_t seekSeqnum = 0);
    // While a cue goes on in the background, the message that it settled is kept too.
    void keepAsyncDone(bool keep) { keepAsyncDone_ = keep; }
    // Quality-of-service messages (an element dropped a late frame) are not
    // queued: they go to handler at once, on the thread that posted them. Set
    // while no pipeline is attached.
    void setQosHandler(std::function<void(GstMessage*)> handler) {
        qosHandler_ = std::move(handler);
    }

    // Whether an error message came since attach, or waiting up to timeoutMs for one.
    bool errorSeen() const { return errorSeen_; }
    bool waitForError(int timeoutMs);

private:
    struct Callbacks;
    // On a streaming thread.
    void push(GstMessage* message);
    void notifyLocked();

    std::mutex mutex_;
    std::deque<GstMessage*> messages_;
    std::function<void(GstMessage*)> qosHandler_;
    QObject* target_ = nullptr;
    std::atomic<bool> errorSeen_{false};
    std::atomic<bool> keepAsyncDone_{false};
    std::condition_variable errorArrived_;
};
