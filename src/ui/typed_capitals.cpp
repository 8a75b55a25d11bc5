#include "ui/typed_capitals.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace skyloom::ui {

bool typeAsCapital(QObject* field, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const QString upper = text.toUpper();
    if (text.isEmpty() || upper == text ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        return false;
    }
    QKeyEvent capital(QEvent::KeyPress, key->key(), key->modifiers(), upper, key->isAutoRepeat(),
                      static_cast<quint16>(key->count()));
    QCoreApplication::sendEvent(field, &capital);
    return true;
}

}  // namespace skyloom::ui
