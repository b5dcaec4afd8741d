#include "platform/curltransfer.h"

#include <algorithm>
#include <mutex>
#include <optional>

#include <curl/curl.h>

namespace platform::detail {
namespace {

using Clock = std::chrono::steady_clock;
// The longest the thread sleeps without looking at its progress time-out; a stop wakes it at
// once.
constexpr auto kLongestPoll = std::chrono::milliseconds(50);

bool globalReady() {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return ready;
}

// Set up before main, so before any thread of ours or of Qt's.
[[maybe_unused]] const bool setUpAtStart = globalReady();

QByteArray lower(QByteArray text) {
    return text.toLower();
}

bool startsWithNoCase(const QByteArray& text, const char* prefix) {
    return lower(text.left(static_cast<qsizetype>(qstrlen(prefix)))) == prefix;
}

// The status of a status line ("HTTP/1.1 103 Early Hints"), 0 when it has none.
int statusOf(const QByteArray& line) {
    const QList<QByteArray> parts = line.simplified().split(' ');
    return parts.size() >= 2 ? parts[1].toInt() : 0;
}

}  // namespace

struct CurlTransfer::Shared {
    std::atomic<bool> stop{false};
    CURLM* multi = nullptr;  // made and freed by the owner, so that stop() may wake it
};

namespace {

// What the callbacks of one transfer share, on its thread only.
struct Context {
    Context(const TransferRequest& r, const std::atomic<bool>& s,
            const CurlTransfer::StateSink& sink)
        : request(r), stop(s), report(sink) {}

    const TransferRequest& request;
    const std::atomic<bool>& stop;
    const CurlTransfer::StateSink& report;
    CURL* easy = nullptr;

    Clock::time_point lastProgress = Clock::now();
    Inet::Failure cause = Inet::Failure::None;  // why a callback ended the transfer
    Inet::State lastState = Inet::None;

    // The reply to the request last sent: its header (after any interim 1xx replies, whose
    // lines count toward the same caps), then its body and trailers. Only a new request, which
    // libcurl sends to follow a redirect, starts new caps.
    qint64 headerBytes = 0;
    int headerLines = 0;
    bool statusSeen = false;   // of the response being read
    int lineStatus = 0;        // as its status line gave it
    bool headerEnded = false;  // of the final response: every further line is a trailer
    int status = 0;
    QByteArray location;
    QList<QPair<QByteArray, QByteArray>> headers;  // of the response being read alone

    qint64 received = 0;  // body bytes of the final response, kept only when it is a 200
    QByteArray body;

    void progressed() { lastProgress = Clock::now(); }
    void state(Inet::State s) {
        progressed();
        if (s != lastState) {
            lastState = s;
            report(s);
        }
    }
    // Ends the transfer from a callback: what it returns makes libcurl abort.
    bool fail(Inet::Failure why) {
        if (cause == Inet::Failure::None) {
            cause = why;
        }
        return false;
    }
    void requestSent();
    bool headerLine(const QByteArray& raw);
    bool headerComplete();
    bool bodyBytes(const char* data, size_t size);
};

void Context::requestSent() {
    headerBytes = 0;
    headerLines = 0;
    statusSeen = false;
    headerEnded = false;
    status = 0;
    location.clear();
    headers.clear();
    state(Inet::RequestSent);
}

bool Context::headerLine(const QByteArray& raw) {
    progressed();
    // Interim replies and trailers count with the reply's header.
    headerBytes += raw.size();
    headerLines += 1;
    if (headerBytes > kMostHeaderBytes || headerLines > kMostHeaderLines) {
        return fail(Inet::Failure::Failed);
    }
    if (headerEnded) {
        return true;  // a trailer, whatever it looks like: never a header of the reply
    }
    const QByteArray line = raw.trimmed();
    if (!statusSeen) {
        statusSeen = true;
        lineStatus = statusOf(line);
        state(Inet::ReceivingResponse);
        return true;
    }
    if (line.isEmpty()) {
        if (lineStatus >= 100 && lineStatus < 200) {
            // An interim reply: the reply itself follows, under the same caps.
            statusSeen = false;
            location.clear();
            headers.clear();
            return true;
        }
        headerEnded = true;
        return headerComplete();
    }
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0) {
        return true;
    }
    const QByteArray name = line.left(colon).trimmed();
    const QByteArray value = line.mid(colon + 1).trimmed();
    if (lower(name) == "location") {
        location = value;
    }
    headers.append({name, value});
    return true;
}

bool Context::headerComplete() {
    long code = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
    status = static_cast<int>(code);
    const bool redirect = status >= 300 && status < 400 && !location.isEmpty();
    if (redirect) {
        // Never from an encrypted connection to a plain one.
        char* effective = nullptr;
        curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &effective);
        const bool secure = effective != nullptr && startsWithNoCase(effective, "https:");
        if (secure && startsWithNoCase(location, "http:")) {
            return fail(Inet::Failure::Failed);
        }
        return true;
    }
    for (const auto& [name, value] : headers) {
        const QByteArray n = lower(name);
        // Nothing was asked for but the stored bytes themselves, which the caps count: no
        // content coding, and no transfer coding but the chunks.
        if (n == "content-encoding" && !value.isEmpty() && lower(value) != "identity") {
            return fail(Inet::Failure::Failed);
        }
        if (n == "transfer-encoding") {
            for (const QByteArray& coding : lower(value).split(',')) {
                const QByteArray c = coding.trimmed();
                if (!c.isEmpty() && c != "chunked" && c != "identity") {
                    return fail(Inet::Failure::Failed);
                }
            }
        }
    }
    curl_off_t length = -1;
    curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    if (length > request.largestReply) {
        return fail(Inet::Failure::TooLarge);
    }
    return true;
}

bool Context::bodyBytes(const char* data, size_t size) {
    progressed();
    state(Inet::ReceivingResponse);
    // Counted whatever the status, kept only for a 200: an error page is no file either.
    if (static_cast<qint64>(size) > request.largestReply - received) {
        return fail(Inet::Failure::TooLarge);
    }
    received += static_cast<qint64>(size);
    if (status == 200) {
        body.append(data, static_cast<qsizetype>(size));
    }
    return true;
}

size_t onHeader(char* data, size_t size, size_t count, void* user) {
    auto* c = static_cast<Context*>(user);
    const size_t n = size * count;
    if (c->stop || !c->headerLine(QByteArray(data, static_cast<qsizetype>(n)))) {
        return 0;
    }
    return n;
}

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto* c = static_cast<Context*>(user);
    const size_t n = size * count;
    if (c->stop || !c->bodyBytes(data, n)) {
        return 0;
    }
    return n;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<Context*>(user)->stop ? 1 : 0;
}

int onSocket(void* user, curl_socket_t, curlsocktype) {
    static_cast<Context*>(user)->state(Inet::Connecting);
    return CURL_SOCKOPT_OK;
}

// Called before every request, the first and each one that follows a redirect.
int onRequest(void* user, char*, char*, int, int) {
    static_cast<Context*>(user)->requestSent();
    return CURL_PREREQFUNC_OK;
}

struct EasyDeleter {
    void operator()(CURL* e) const { curl_easy_cleanup(e); }
};
struct ListDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

void setUp(CURL* e, Context& c, curl_slist* headers) {
    const TransferRequest& r = c.request;
    curl_easy_setopt(e, CURLOPT_URL, r.url.constData());
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    // A stopped transfer never waits for a name lookup still running.
    curl_easy_setopt(e, CURLOPT_QUICK_EXIT, 1L);
    // Straight to the server, whatever proxy the environment names.
    curl_easy_setopt(e, CURLOPT_PROXY, "");
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR,
                     startsWithNoCase(r.url, "https:") ? "https" : "http,https");
    // No transfer coding is asked for; one sent all the same is refused, never decoded.
    curl_easy_setopt(e, CURLOPT_TRANSFER_ENCODING, 0L);
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(e, CURLOPT_MAXREDIRS, static_cast<long>(Inet::kMostRedirects));
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 2L);
    // As OpenSSL programs do; the system's certificate folder stays in use beside it.
    const QByteArray caFile = qgetenv("SSL_CERT_FILE");
    if (!caFile.isEmpty()) {
        curl_easy_setopt(e, CURLOPT_CAINFO, caFile.constData());
    }
    // Every request on a connection of its own: one a server kept busy is never reused.
    curl_easy_setopt(e, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(e, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, static_cast<long>(r.wholeRequest.count()));
    if (r.largestReply > 0) {
        curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(r.largestReply));
    }
    if (!r.userAgent.isEmpty()) {
        curl_easy_setopt(e, CURLOPT_USERAGENT, r.userAgent.constData());
    }
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, &c);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &c);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, &c);
    curl_easy_setopt(e, CURLOPT_SOCKOPTFUNCTION, onSocket);
    curl_easy_setopt(e, CURLOPT_SOCKOPTDATA, &c);
    curl_easy_setopt(e, CURLOPT_PREREQFUNCTION, onRequest);
    curl_easy_setopt(e, CURLOPT_PREREQDATA, &c);
}

Inet::Failure failureOf(CURLcode code, const Context& c) {
    if (c.cause != Inet::Failure::None) {
        return c.cause;
    }
    switch (code) {
        case CURLE_OK:
            break;
        case CURLE_OPERATION_TIMEDOUT:
            return Inet::Failure::TimedOut;
        case CURLE_FILESIZE_EXCEEDED:
            return Inet::Failure::TooLarge;
        default:
            return Inet::Failure::Failed;
    }
    if (c.status != 200) {
        return Inet::Failure::Failed;
    }
    curl_off_t length = -1;
    curl_easy_getinfo(c.easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    // A body cut short is not the file, however the connection ended.
    if (length >= 0 && length != c.body.size()) {
        return Inet::Failure::Failed;
    }
    return Inet::Failure::None;
}

// The transfer's thread: drives one easy handle until it ends, times out or is stopped.
void run(CURLM* multi, const std::atomic<bool>& stop, const TransferRequest& request,
         const CurlTransfer::StateSink& report, const CurlTransfer::EndSink& end) {
    Context c{request, stop, report};
    TransferResult result;
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    std::unique_ptr<curl_slist, ListDeleter> headers(
        curl_slist_append(nullptr, "Cache-Control: no-cache"));
    if (!easy || !headers) {
        result.failure = Inet::Failure::Failed;
        end(std::move(result));
        return;
    }
    c.easy = easy.get();
    setUp(easy.get(), c, headers.get());
    curl_multi_add_handle(multi, easy.get());

    std::optional<CURLcode> done;
    while (!stop && !done) {
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            done = CURLE_FAILED_INIT;
            break;
        }
        int left = 0;
        while (CURLMsg* m = curl_multi_info_read(multi, &left)) {
            if (m->msg == CURLMSG_DONE) {
                done = m->data.result;
            }
        }
        if (done || stop) {
            break;
        }
        const auto idle = Clock::now() - c.lastProgress;
        if (idle >= request.progressTimeout) {
            c.fail(Inet::Failure::TimedOut);
            done = CURLE_OPERATION_TIMEDOUT;
            break;
        }
        const auto wait =
            std::clamp(std::chrono::ceil<std::chrono::milliseconds>(request.progressTimeout - idle),
                       std::chrono::milliseconds(1), std::chrono::milliseconds(kLongestPoll));
        curl_multi_poll(multi, nullptr, 0, static_cast<int>(wait.count()), nullptr);
    }
    if (done) {
        result.failure = failureOf(*done, c);
        result.status = c.status;
        result.headers = std::move(c.headers);
        if (result.failure == Inet::Failure::None) {
            result.body = std::move(c.body);
        }
    }
    // Closes the connection, whatever the server goes on sending.
    curl_multi_remove_handle(multi, easy.get());
    easy.reset();
    if (done && !stop) {
        end(std::move(result));
    }
}

}  // namespace

bool transfersAvailable() {
    return globalReady();
}

CurlTransfer::CurlTransfer(TransferRequest request, StateSink state, EndSink end)
    : shared_(std::make_shared<Shared>()) {
    if (globalReady()) {
        shared_->multi = curl_multi_init();
    }
    if (shared_->multi == nullptr) {
        thread_ = std::thread([end = std::move(end)] {
            end(TransferResult{Inet::Failure::Failed, 0, {}, {}});
        });
        return;
    }
    thread_ = std::thread(
        [shared = shared_, request = std::move(request), state = std::move(state),
         end = std::move(end)] { run(shared->multi, shared->stop, request, state, end); });
}

CurlTransfer::~CurlTransfer() {
    stop();
    // Told to stop and woken, the thread ends within one short poll.
    if (thread_.joinable()) {
        thread_.join();
    }
    if (shared_->multi != nullptr) {
        curl_multi_cleanup(shared_->multi);
    }
}

void CurlTransfer::stop() {
    shared_->stop = true;
    if (shared_->multi != nullptr) {
        curl_multi_wakeup(shared_->multi);
    }
}

}  // namespace platform::detail
