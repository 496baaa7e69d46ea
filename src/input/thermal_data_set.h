#pragma once

#include "model/problem_data.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// One two-column table of the problem state seen through its 1-based arrays:
// the argument (X or T) and the value (DH, C or R) with their typed texts.
struct PointTable {
    int *count = nullptr;
    QString *argumentText = nullptr;
    float *argument = nullptr;
    QString *valueText = nullptr;
    float *value = nullptr;

    int pointCount() const { return *count; }
    // Typed values as the point prompts store them ("???" for no number).
    void storeArgument(int point, const QString &typed) const;
    void storeValue(int point, const QString &typed) const;
    void store(int point, const QString &argumentTyped, const QString &valueTyped) const;
    // Point point leaves the table; the later points move up by one.
    void remove(int point) const;
};

// A prompt whose text carries the point number as %1.
struct PointPrompt {
    QString title;
    QString text;
    QString textFor(int point) const { return text.arg(point); }
};

struct ColumnPrompts {
    PointPrompt argument, value;
};

// A count of points or temperatures, asked until it lies in low..high.
struct CountQuestion {
    QString title;
    QString prompt;
    int y = 2000; // twips; x is always 2300
    int low = 1, high = 20;
    QString message;
    // Some counts are tested as typed and rounded afterwards, the others
    // rounded first.
    bool testedBeforeRounding = false;
};

// A line printed on the form surface, centred; %T stands for the temperature.
struct PrintedHeading {
    int y = 0;
    QString text;
};

// A single temperature asked until it lies in its range.
struct TemperatureQuestion {
    QString title;
    QString prompt;
    QString message;
};

// Everything that makes one thermal data set different from the others: its
// table, texts, prompts, limits and the engine's sort and check. The table
// screen runs any of them. In the texts, %T is replaced by the table's
// temperature and, for the sets kept per component, "более" by "менее" for
// the less volatile component.
struct ThermalDataSet {
    // The data set of the road, and the step of its table sub.
    RoadSet roadSet = RoadSet::None;
    RoadStep roadStep(int sub) const { return {roadSet, roadSet == RoadSet::MixingHeat ? 0 : sub}; }
    std::function<PointTable(ProblemData &, int sub)> table;
    void (*sort)(ProblemData &, int sub) = nullptr;
    int (*check)(ProblemData &, int sub) = nullptr;
    bool perComponent = false;

    // The line of point i: "  X[i] (мольн.д) =XText<pad>DH[i] (Кдж/Кмоль) =DHText<pad>".
    QString argumentLabel, argumentUnit, valueLabel, valueUnit;

    CountQuestion count;
    ColumnPrompts entryPrompts, correctionPrompts, additionPrompts;

    // The temperature row 0 of the correction list, where the set has one:
    // its text when the list is opened by the change button, when it is
    // rebuilt after a change, and when it is opened from the error dialog.
    bool hasTemperatureRow = false;
    // The table's temperature is asked right before its count.
    bool asksTemperatureBeforeCount = false;
    QString temperatureRowOnChange, temperatureRowOnRefresh, temperatureRowAfterError;
    TemperatureQuestion temperatureQuestion;
    std::function<QString(const ProblemData &, int sub)> temperatureText;
    std::function<void(ProblemData &, int sub, const QString &text, float value)> storeTemperature;

    QString addRow, removeRow;
    QString removalQuestion;    // after the point number
    int removalHintGap = 300;   // twips below the removal list
    int removalDialogGap = 500; // twips below the removal list

    // Texts of the screen; an empty one leaves the caption or label as it is.
    QString entryCaption, tableCaption, refreshCaption;
    QString entryLabel, tableLabel, afterRemovalLabel, refreshLabel; // Label1, 12-point
    // Label1 while a point is chosen for removal; where empty, the sets with a
    // temperature row take the heading away instead.
    QString removalLabel;
    QList<PrintedHeading> entryHeadings, tableHeadings;
    int acceptButtonBase = 1795; // Command3 at 195 × N + this

    // Line and partial line of a point.
    QString pointLine(ProblemData &data, int sub, int point) const;
    QString argumentLine(ProblemData &data, int sub, int point) const;
    QStringList pointLines(ProblemData &data, int sub) const;
    // A text of the screen with its placeholders filled.
    QString filledText(const ProblemData &data, int sub, const QString &pattern) const;
};

// The descriptions of the four data sets as the first-entry road uses them.
const ThermalDataSet &MixingHeatDataSet();
const ThermalDataSet &VaporHeatCapacityDataSet();
const ThermalDataSet &VaporizationHeatDataSet();
const ThermalDataSet &SolutionHeatCapacityDataSet();

// "  T[j] (Град.Цельсия) =" + TText(j) + padding: a line of the solution
// temperature list.
QString SolutionTemperatureLine(const ProblemData &data, int j);
