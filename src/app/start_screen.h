#pragma once

#include "model/problem_data.h"
#include "ui/form_base.h"

#include <QImage>

class QLabel;
class QPushButton;

// The start screen Form1: the program's title, the list of data a student
// must have prepared, and the question whether the student is ready.
class StartScreen : public FormBase {
    Q_OBJECT
public:
    StartScreen();

    static QString titleText();
    static QString descriptionText();

public slots:
    void Command1_Click();
    void Command2_Click();
    // "Открыть файл задачи", below the two buttons of the design.
    void Command3_Click();

protected:
    void drawContent(QPainter &painter) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOutControls();

    QImage background;
    QLabel *title = nullptr;
    QLabel *titleShadowRight = nullptr;
    QLabel *titleShadowBottom = nullptr;
    QLabel *description = nullptr;
    QPushButton *ready = nullptr;
    QPushButton *notReady = nullptr;
    QPushButton *openFile = nullptr;
};

// The identity prompts from the answer of `from` on (the surname, or the
// component names of a problem whose surname is typed), then the
// equilibrium entry.
void AskIdentity(RoadSet from);

// The four-corner background of the start screen, drawn as the two shaded
// triangles (0, 1, 2) and (0, 2, 3) of the corners top-left green, top-right
// blue, bottom-right red and bottom-left cyan.
QImage CornerGradient(QSize size);
