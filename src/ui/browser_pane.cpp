#include "ui/browser_pane.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/web_pane_choice.h"

#ifdef SKYLOOM_HAVE_WEBENGINE
#include <QWebEnginePage>
#include <QWebEngineView>
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

BrowserPane::BrowserPane(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
#ifdef SKYLOOM_HAVE_WEBENGINE
    if (webPaneChoice().webEngine) {
        auto* view = new QWebEngineView(this);
        connect(view, &QWebEngineView::loadFinished, this, &BrowserPane::loadFinished);
        webView_ = view;
        layout->addWidget(view);
        return;
    }
#endif
    textBrowser_ = new QTextBrowser(this);
    textBrowser_->setOpenExternalLinks(true);
    layout->addWidget(textBrowser_);
}

void BrowserPane::navigate(const QString& address, bool pilotAsked) {
#ifdef SKYLOOM_HAVE_WEBENGINE
    if (webView_ != nullptr) {
        static_cast<QWebEngineView*>(webView_)->load(addressUrl(address));
        return;
    }
#endif
    navigateText(address, pilotAsked);
}

void BrowserPane::navigateText(const QString& address, bool pilotAsked) {
    const QUrl url = addressUrl(address);
    if (url.isLocalFile()) {
        // Going to the page shown now reads it again, as a refresh does.
        if (textBrowser_->source() == url) {
            textBrowser_->reload();
        } else {
            textBrowser_->setSource(url);
        }
        emit loadFinished(true);
        return;
    }
    // Web pages open in the system's browser; "->" then reads the route
    // from the clipboard.
    textBrowser_->setHtml(
        QStringLiteral("<p>The route finder %1 opens in your web browser when you press "
                       "\"refresh Website\". Copy the route-finder result there (Ctrl+A, Ctrl+C), "
                       "then press \"-&gt;\".</p>")
            .arg(url.toString().toHtmlEscaped()));
    emit loadFinished(!pilotAsked || QDesktopServices::openUrl(url));
}

void BrowserPane::pageText(const std::function<void(const QString&)>& done) {
#ifdef SKYLOOM_HAVE_WEBENGINE
    if (webView_ != nullptr) {
        static_cast<QWebEngineView*>(webView_)->page()->toPlainText(
            [done](const QString& text) { done(text); });
        return;
    }
#endif
    done(QGuiApplication::clipboard()->text());
}

QString BrowserPane::currentAddress() const {
#ifdef SKYLOOM_HAVE_WEBENGINE
    if (webView_ != nullptr) {
        return static_cast<QWebEngineView*>(webView_)->url().toString();
    }
#endif
    return textBrowser_->source().toString();
}

}  // namespace skyloom::ui
