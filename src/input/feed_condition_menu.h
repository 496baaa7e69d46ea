#pragma once

#include "feed_parameters.h"

#include "ui/form_base.h"

class QLabel;
class QPushButton;

// The feed-condition menu. On the first road (Form6) it shows the
// equilibrium diagram with "ПРОДОЛЖЕНИЕ РАБОТЫ" and the way back to the
// correction of the equilibrium data; the four condition buttons appear once
// the student goes on. On the change road (Form29) the condition buttons are
// there at once, the entered condition marked in the colour of entered data.
class FeedConditionMenu : public FormBase {
    Q_OBJECT
public:
    explicit FeedConditionMenu(FeedRoad road);

    FeedRoad road() const { return feedRoad; }
    bool showsDiagram() const { return diagramShown; }

    // Colours of the change road's condition buttons and legend.
    static QColor enteredColour() { return QColor(128, 255, 128); }
    static QColor notEnteredColour() { return QColor(255, 255, 255); }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click() { chooseCondition(BoilingLiquidFeed); }
    void Command4_Click() { chooseCondition(VapourFeed); }
    void Command5_Click() { chooseCondition(MixtureFeed); }
    void Command6_Click() { chooseCondition(LiquidFeed); }
    void Command7_Click();

protected:
    void drawContent(QPainter &painter) override;
    void onDrawingCleared() override { diagramShown = false; }

private:
    void buildFirstEntryLayout();
    void buildChangeLayout();
    // Label1 and the condition buttons one under the other, centred.
    void layOutChoiceColumn(int top);
    void showChoice(bool visible);
    void markEnteredCondition(int condition);
    void chooseCondition(int condition);

    FeedRoad feedRoad;
    bool diagramShown = false;
    QPushButton *goOn = nullptr;
    QPushButton *backToEquilibrium = nullptr;
    QLabel *question = nullptr;
    QPushButton *conditionButtons[FeedConditionCount] = {};
    QPushButton *endOfWork = nullptr;
    QLabel *enteredLegend = nullptr;
    QLabel *notEnteredLegend = nullptr;
};

// The change road's feed-condition menu Form29, opened from the change-data
// menu; an accepted feed returns there through ShowChangeDataMenu.
void OpenFeedChangeMenu();
