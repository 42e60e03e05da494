// "Über Trevo": the version, the licence and what the game uses while it runs.
#pragma once

class QDialog;
class QWidget;

// The dialog, not yet shown (the tests read it).
QDialog* ueberDialog(QWidget* eltern);
// Shows it modally.
void ueberTrevo(QWidget* eltern);
