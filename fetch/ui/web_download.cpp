#include "fetch/ui/web_download.h"

#include "base/text.h"
#include "currency/http_get.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>

namespace corrolab {

namespace {

std::string DurationText(std::chrono::milliseconds timeout)
{
    if (timeout.count() % 1000 == 0)
        return std::to_string(timeout.count() / 1000) + " s";
    return std::to_string(timeout.count()) + " ms";
}

enum class Stop { None, Cancelled, TimedOut, TooLarge, Downgrade };

DownloadResult Outcome(QNetworkReply& reply, Stop stop, const WebDownloadLimits& limits)
{
    switch (stop) {
    case Stop::Cancelled:
        return {false, "", "Cancelled"};
    case Stop::TimedOut:
        return {false, "", "no complete answer within " + DurationText(limits.timeout)};
    case Stop::TooLarge:
        return {false, "", "the answer is larger than a rates file can be"};
    case Stop::Downgrade:
        return {false, "", "the server redirects from HTTPS to plain HTTP, which is refused"};
    case Stop::None:
        break;
    }
    if (reply.error() == QNetworkReply::TooManyRedirectsError)
        return {false, "", "the server redirects in a loop"};
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() != 200)
        return {false, "", "the server answered with status " + std::to_string(status.toInt())};
    if (reply.error() != QNetworkReply::NoError)
        return {false, "", OneLine(reply.errorString().toStdString())};
    if (!status.isValid())
        return {false, "", "the answer is not an HTTP answer"};
    const QByteArray body = reply.readAll();
    return {true, body.toStdString(), ""};
}

} // namespace

DownloadResult DownloadWithProgress(
    QWidget* owner, const QString& url, const WebDownloadLimits& limits)
{
    const QUrl address(url);
    if (!address.isValid() || (address.scheme() != "https" && address.scheme() != "http"))
        return {false, "", "'" + url.toStdString() + "' is not a web address"};

    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    // Qt refuses a redirect to a less safe scheme; each redirect is also checked by
    // the rule the command line's download follows.
    request.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits.redirects);
    QNetworkReply* reply = manager.get(request);

    QProgressDialog progress("Downloading the ECB's euro reference rates…", "Cancel", 0, 0, owner);
    progress.setWindowTitle("Corrolab");
    // The owner takes no input while the transfer runs; the progress dialog itself
    // stays non-modal, so that it never holds an event loop of its own.
    progress.setWindowModality(Qt::NonModal);
    progress.setMinimumDuration(0);
    const QPointer<QWidget> disabled = owner;
    if (disabled)
        disabled->setEnabled(false);
    progress.setEnabled(true);
    progress.show();

    Stop stop = Stop::None;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, reply, [&] {
        stop = Stop::TimedOut;
        reply->abort();
    });
    QObject::connect(&progress, &QProgressDialog::canceled, reply, [&] {
        if (stop == Stop::None)
            stop = Stop::Cancelled;
        reply->abort();
    });
    QObject::connect(
        reply, &QNetworkReply::downloadProgress, &progress, [&](qint64 received, qint64 total) {
            if (received > limits.largestBody) {
                stop = Stop::TooLarge;
                reply->abort();
                return;
            }
            if (total > 0) {
                progress.setMaximum(static_cast<int>(std::min<qint64>(total, limits.largestBody)));
                progress.setValue(static_cast<int>(std::min(received, total)));
            }
        });
    QString current = url;
    QObject::connect(reply, &QNetworkReply::redirected, reply, [&](const QUrl& to) {
        const QString next = address.resolved(to).toString();
        if (!RedirectAllowed(current.toStdString(), next.toStdString())) {
            stop = Stop::Downgrade;
            reply->abort();
            return;
        }
        current = next;
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(limits.timeout);
    if (!reply->isFinished())
        loop.exec();
    timer.stop();
    QObject::disconnect(&progress, nullptr, reply, nullptr);
    progress.reset();
    progress.hide();
    if (disabled)
        disabled->setEnabled(true);

    DownloadResult result = Outcome(*reply, stop, limits);
    delete reply;
    return result;
}

} // namespace corrolab
