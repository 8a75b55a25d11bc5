#include "ui/browser_pane.h"

#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>

#ifdef SKYLOOM_HAVE_WEBENGINE
#include <QWebEnginePage>
#include <QWebEngineView>
#else
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QTextBrowser>
#endif

namespace skyloom::ui {

namespace {

QUrl addressUrl(const QString& address) {
    if (QFileInfo::exists(address)) {
        return QUrl::fromLocalFile(QFileInfo(address).absoluteFilePath());
    }
    return QUrl::fromUserInput(address);
}

}  // namespace

#ifdef SKYLOOM_HAVE_WEBENGINE

BrowserPane::BrowserPane(QWidget* parent) : QWidget(parent), view_(new QWebEngineView(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    connect(static_cast<QWebEngineView*>(view_), &QWebEngineView::loadFinished, this,
            &BrowserPane::loadFinished);
}

void BrowserPane::navigate(const QString& address) {
    static_cast<QWebEngineView*>(view_)->load(addressUrl(address));
}

void BrowserPane::pageText(const std::function<void(const QString&)>& done) {
    static_cast<QWebEngineView*>(view_)->page()->toPlainText(
        [done](const QString& text) { done(text); });
}

QString BrowserPane::currentAddress() const {
    return static_cast<QWebEngineView*>(view_)->url().toString();
}

#else

BrowserPane::BrowserPane(QWidget* parent) : QWidget(parent), view_(new QTextBrowser(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    static_cast<QTextBrowser*>(view_)->setOpenExternalLinks(true);
}

void BrowserPane::navigate(const QString& address) {
    auto* browser = static_cast<QTextBrowser*>(view_);
    QUrl url = addressUrl(address);
    if (url.isLocalFile()) {
        // Going to the page shown now reads it again, as a refresh does.
        if (browser->source() == url) {
            browser->reload();
        } else {
            browser->setSource(url);
        }
        emit loadFinished(true);
        return;
    }
    // Web pages open in the system's browser; "->" then reads the route
    // from the clipboard.
    browser->setHtml(QStringLiteral("<p>The page %1 opens in your web browser. Copy the "
                                    "route-finder result there (Ctrl+A, Ctrl+C), then press "
                                    "\"-&gt;\".</p>")
                         .arg(url.toString().toHtmlEscaped()));
    const bool opened = QDesktopServices::openUrl(url);
    emit loadFinished(opened);
}

void BrowserPane::pageText(const std::function<void(const QString&)>& done) {
    done(QGuiApplication::clipboard()->text());
}

QString BrowserPane::currentAddress() const {
    return static_cast<QTextBrowser*>(view_)->source().toString();
}

#endif

}  // namespace skyloom::ui
