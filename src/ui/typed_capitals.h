#pragma once

#include <QEvent>
#include <QObject>

namespace skyloom::ui {

// For the fields that take capitals: a key press that types a lower-case
// character is sent on to `field` with its capital instead, and true is
// returned (the original press is then to be dropped). Shortcuts such as
// Ctrl+V pass unchanged, so pasted text stays as it is.
bool typeAsCapital(QObject* field, QEvent* event);

}  // namespace skyloom::ui
