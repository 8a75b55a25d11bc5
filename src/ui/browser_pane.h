#pragma once
// The browser pane of the main window (WebBrowser1): shows the route-finder
// page or the help page and hands out the plain text of what it shows. With
// the web engine it is a full browser; without it (not built in, or not
// allowed to start, see web_pane_choice.h) it is a text browser for local
// pages that leaves web pages to the system's browser and takes the page text
// from the clipboard instead.

#include <QString>
#include <QWidget>
#include <functional>

class QTextBrowser;

namespace skyloom::ui {

class BrowserPane : public QWidget {
    Q_OBJECT
  public:
    explicit BrowserPane(QWidget* parent);

    // A web address, or the path of a local file. The text browser opens a
    // web page in the system's browser only when the pilot asked for it, not
    // at every start.
    void navigate(const QString& address, bool pilotAsked = false);
    // The text of the shown document, lines separated by "\n"; `done` is
    // called once the text is there.
    void pageText(const std::function<void(const QString&)>& done);
    // The address of the document now shown.
    QString currentAddress() const;
    // True when the pane is the text browser, which takes the page from the
    // clipboard.
    bool readsClipboard() const { return textBrowser_ != nullptr; }

  signals:
    void loadFinished(bool ok);

  private:
    void navigateText(const QString& address, bool pilotAsked);

    QWidget* webView_ = nullptr;           // QWebEngineView, when the web engine runs
    QTextBrowser* textBrowser_ = nullptr;  // otherwise
};

}  // namespace skyloom::ui
