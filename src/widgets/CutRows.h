#pragma once

#include <QListWidget>

// A row too long for its list, which cuts it with "…", shows its whole text as its tooltip.
inline void showCutRowsInFull(QListWidget* list) {
    constexpr int kTextMargins = 8;  // pixels the style leaves on both sides of a row's text
    const int room = list->contentsRect().width() - kTextMargins;
    const QFontMetrics metrics(list->font());
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        item->setToolTip(metrics.horizontalAdvance(item->text()) > room ? item->text() : QString());
    }
}
