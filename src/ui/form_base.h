#pragma once

#include "look.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QListWidget;
class QPainter;
class QPushButton;

// A piece of text printed on a window's surface.
struct PrintedText {
    int x = 0, y = 0; // twips from the client area's top-left corner
    QString text;
    bool bold = false;
    QColor color = Qt::black;
    QFont font; // bold or not as bold says
};

// A window of the program. It carries its design name (Form1..Form49) as its
// objectName, registers itself in load order, and can print text at a current
// position in twips the way the design's screens do. Printed text is kept as
// items, so a test reads exactly what the window shows.
class FormBase : public QWidget {
    Q_OBJECT
public:
    explicit FormBase(const QString &designName, QWidget *parent = nullptr);
    ~FormBase() override;

    // Hides the window, takes it out of the loaded windows and deletes it
    // once control is back in the event loop.
    void unload();
    bool isLoaded() const { return loaded; }

    // A window's position is that of its outer edge, frame and title bar
    // included, in twips from the screen's top-left corner; its size is that
    // of its client area. However the frame turns out, the whole window is
    // kept on the screen: moved in, and made smaller only where it would not
    // fit otherwise.
    void setGeometryTwips(int left, int top, int width, int height);
    void moveTwips(int left, int top);
    // The window fills the height of the screen's free area from its top,
    // frame included, and its width as well when width is 0.
    void fillScreen(int widthTwips = 0);
    int widthTwips() const;
    int heightTwips() const;

    // Printing on the surface.
    int currentX = 0, currentY = 0;  // twips
    void print(const QString &text); // prints a line and moves below it
    void printAt(int x, int y, const QString &text);
    // Prints a line centred on the window by the real width of its text.
    void printCentred(int y, const QString &text);
    // The font printing uses from now on; the fixed-pitch font at first.
    void setPrintFont(const QFont &font) { printFont = font; }
    void setFontBold(bool bold) { printBold = bold; }
    bool fontBold() const { return printBold; }
    void setForeColor(const QColor &color) { printColor = color; }
    QColor foreColor() const { return printColor; }
    static int lineHeightTwips() { return 195; }
    // Clears printed text and drawings and puts the current position at 0, 0.
    void clearDrawing();
    const QList<PrintedText> &printedTexts() const { return printed; }
    QStringList printedLines() const;

    // Controls with their design names, placed in twips.
    QPushButton *addButton(const QString &name, const QString &caption);
    QLabel *addLabel(const QString &name, const QString &caption = {});
    QListWidget *addList(const QString &name);
    static void placeTwips(QWidget *control, int left, int top, int width, int height);
    static void moveControlTwips(QWidget *control, int left, int top);
    // Gives the keyboard focus to a control: to the one named if the
    // student can see and use it, else to the first such button or list.
    void giveFocus(QWidget *control);
    // Makes a wrapped label as tall as its text needs at its width, if it
    // is not already.
    static void growToText(QLabel *label);
    static void setBackColor(QWidget *control, const QColor &color);
    static QColor backColor(const QWidget *control);
    static void setTextColor(QWidget *control, const QColor &color);

protected:
    // The close button of the window's frame (or Alt+F4). Closing a window is
    // never an answer by itself: the student is asked whether to end the
    // program, and Esc or "Нет" there keeps working.
    virtual void closeRequested();
    void closeEvent(QCloseEvent *event) override;

    // Diagrams and other drawings of the subclasses, painted under the text.
    virtual void drawContent(QPainter &painter);
    // Called by clearDrawing so that subclasses drop their drawings too.
    virtual void onDrawingCleared() {}
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    // Where the window was placed; refitted once its frame is known.
    struct Placement {
        bool placed = false;
        QPoint frameTopLeft; // pixels
        QSize client;        // pixels
        bool fillsWidth = false, fillsHeight = false;
    };
    void fitOnScreen();
    QMargins knownFrameMargins() const;

    Placement placement;
    QMargins fittedMargins{-1, -1, -1, -1};
    bool fitting = false;
    QList<PrintedText> printed;
    QFont printFont = FixedPitchFont();
    bool printBold = false;
    QColor printColor = Qt::black;
    bool loaded = true;
};

// The loaded windows of the program in the order they were loaded.
QList<FormBase *> LoadedForms();
// The loaded window with this design name (Form1..Form49), or null.
FormBase *FindForm(const QString &name);
template <typename Form> Form *FindForm(const QString &name)
{
    return dynamic_cast<Form *>(FindForm(name));
}

// Counts a window already loaded as loaded last, so that it is the one
// CloseOtherForms keeps.
void MarkNewestLoaded(FormBase *form);
// Unloads the earliest loaded windows until one is left: the newest one
// survives, so that screens do not pile up.
void CloseOtherForms();
// Unloads every window (the end of the program).
void CloseAllForms();
