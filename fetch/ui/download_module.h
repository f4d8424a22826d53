#pragma once

#include "app/platform.h"

#include <string>

class QWidget;

// The module corrolab-download: downloads with a progress dialog, which the
// windows program opens on first use with the Qt Network library.
extern "C" {

// Fetches `url` while a progress dialog with a Cancel button shows over `owner`.
void corrolab_download(QWidget* owner, const std::string& url, corrolab::DownloadResult& result);

} // extern "C"
