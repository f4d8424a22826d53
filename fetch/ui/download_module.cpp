#include "fetch/ui/download_module.h"

#include "fetch/ui/web_download.h"

void corrolab_download(QWidget* owner, const std::string& url, corrolab::DownloadResult& result)
{
    result = corrolab::DownloadWithProgress(owner, QString::fromStdString(url));
}
