#pragma once

#include "app/platform.h"

#include <QString>
#include <chrono>

class QWidget;

namespace corrolab {

struct WebDownloadLimits
{
    std::chrono::milliseconds timeout {15000}; // the whole transfer
    qint64 largestBody = 32 * 1024 * 1024;
    int redirects = 5; // more is taken for a loop
};

// Fetches a URL with Qt Network while a progress dialog with a Cancel button
// shows over `owner`; returns when the transfer ends, fails, times out or is
// cancelled. Only a 200 answer counts; a redirect from HTTPS to HTTP is refused.
DownloadResult DownloadWithProgress(
    QWidget* owner, const QString& url, const WebDownloadLimits& limits = {});

} // namespace corrolab
