#pragma once

#include <QString>

namespace UiText {
// The program's own name: title of its message boxes and of its settings window.
inline const QString appTitle = QStringLiteral("ZORVEK Inc.TIME");
inline const QString saveFailed = QStringLiteral("設定を保存できませんでした。");
inline const QString storeDamaged = QStringLiteral(
    "設定ファイルを読み込めなかったため、次の名前で保存し、新しい設定で起動します。");
inline const QString valuesSalvaged =
    QStringLiteral("読み取れた %1 件の設定は新しい設定に引き継ぎました。");
inline const QString storeReadOnly =
    QStringLiteral("設定ファイルに書き込めないため、変更した設定は保存されません。");
}  // namespace UiText
