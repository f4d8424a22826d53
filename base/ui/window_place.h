#pragma once

#include <QString>

class QWidget;

namespace corrolab {

// Restores a window's size and position from the user's settings under `key`,
// or gives it `defaultWidth` x `defaultHeight` centred on the primary screen;
// either way the window lies fully on a screen.
void RestoreWindowPlace(QWidget& window, const QString& key, int defaultWidth, int defaultHeight);

// Moves a shown window whose frame (title bar included) reaches past its
// screen back onto it, shrinking it if need be.
void KeepOnScreen(QWidget& window);

// Stores the window's size and position under `key` for the next start.
void RememberWindowPlace(const QWidget& window, const QString& key);

// Shows the window above the others and gives it the keyboard.
void BringToFront(QWidget& window);

// Off for the screenshots, which show every window in its start state and must
// leave the user's settings alone.
void SetWindowPlacesRemembered(bool remembered);

} // namespace corrolab
