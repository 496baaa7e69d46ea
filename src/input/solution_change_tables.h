#pragma once

#include "thermal_table_screen.h"

#include <array>

// The solution tables on the change road. Both screens are the table screen
// of the first-entry road (Form20) with other texts and another road: every
// accepted table leads back to the change-data menu.

// Form44: the table of temperature j, just added on Form42, is typed in,
// checked and corrected. The correction list has no temperature row.
void EnterNewSolutionTable(int j);

// Form47: one button per temperature; the chosen temperature and its table
// are corrected in the list of the first-entry road.
void ChooseSolutionTableToCorrect();

// The table-screen descriptions of the two change screens.
const ThermalDataSet &NewSolutionTableDataSet();
const ThermalDataSet &CorrectedSolutionTableDataSet();

class SolutionTableChoiceScreen : public ThermalTableScreen {
    Q_OBJECT
public:
    SolutionTableChoiceScreen();

    // The temperature buttons Command1(0) .. Command1(NT - 1), the others hidden.
    void showTemperatureButtons();

    static constexpr int TemperatureButtons = 5;

public slots:
    void Command1_Click(int index);

private:
    std::array<QPushButton *, TemperatureButtons> temperatureButton{};
    QLabel *heading;
};
