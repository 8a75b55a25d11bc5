#pragma once
// The browser pane of the main window (WebBrowser1): shows the route-finder
// page or the help page and hands out the plain text of what it shows. With
// Qt WebEngine it is a full browser; without it, a text browser for local
// pages that opens web pages in the system's browser and takes the page text
// from the clipboard instead.

#include <QString>
#include <QWidget>
#include <functional>

namespace skyloom::ui {

class BrowserPane : public QWidget {
    Q_OBJECT
  public:
    explicit BrowserPane(QWidget* parent);

    // A web address, or the path of a local file.
    void navigate(const QString& address);
    // The text of the shown document, lines separated by "\n"; `done` is
    // called once the text is there.
    void pageText(const std::function<void(const QString&)>& done);
    // The address of the document now shown.
    QString currentAddress() const;

  signals:
    void loadFinished(bool ok);

  private:
    QWidget* view_;
};

}  // namespace skyloom::ui
