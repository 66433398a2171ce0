#include "KXClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void TKXSystemClipboard::SetText(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

QString TKXSystemClipboard::GetText() const {
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void TKXSystemClipboard::Clear() {
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}
