#pragma once

#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;

// The correction list of a data window: optional heading rows (a temperature
// row, say), one row per point, then the action rows: "add" while the table
// is below its largest size and "remove" while it is above its smallest. The
// list is sized to its rows plus one spare row, and its hint label is laid
// below it. A clicked row is translated into what the student asked for.
class CorrectionList {
public:
    struct Rows {
        QStringList heading;   // rows before the points
        QStringList points;    // one line per point, point 1 first
        int smallestCount = 1; // the remove row is offered above this count
        int largestCount = 20; // the add row is offered below this count
        QString addCaption;    // "  Увеличение ..."
        QString removeCaption; // "  Уменьшение ..."
    };

    enum class Action { None, Heading, Point, Add, Remove };
    struct Hit {
        Action action = Action::None;
        int number = 0; // heading row index, or point number counted from 1
    };

    CorrectionList(QListWidget *list, QLabel *hint);

    // Fills and sizes the list and lays the hint hintGap twips below it.
    // The list keeps its left edge and top; nothing is shown or hidden.
    void fill(const Rows &rows, int hintGap);
    Hit hit(int row) const;

    int rowCount() const { return int(lines.size()); }
    // Twips from the top of the form to the bottom of the list.
    int bottomTwips() const;

    // How many action rows a table of count points is offered.
    static int actionRowCount(int count, int smallest, int largest);
    // The rows of a table: heading, points and action rows.
    static QStringList rowTexts(const Rows &rows);

private:
    QListWidget *list;
    QLabel *hint;
    QStringList lines;
    int headingRows = 0;
    int pointRows = 0;
    bool offersAdd = false;
    bool offersRemove = false;
};

// The removal list: the point lines alone, in a list one row taller than the
// table, with the removal hint below it.
class RemovalList {
public:
    RemovalList(QListWidget *list, QLabel *hint);
    void fill(const QStringList &points, int hintGap);
    // Point number (from 1) of a clicked row.
    static int pointOfRow(int row) { return row + 1; }
    int bottomTwips() const;

private:
    QListWidget *list;
    QLabel *hint;
};
