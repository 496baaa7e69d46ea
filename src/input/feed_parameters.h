#pragma once

#include "model/problem_data.h"

#include <QString>
#include <QStringList>

// What the feed screens need to know about each feed condition: the prompts
// in the order they are asked, the FeedSpec element each answer fills, the
// check of the condition and the window captions of both roads. The screens
// themselves hold no condition-specific text.

// The two roads through the feed screens: the first entry after the
// equilibrium table, and the change of data after a calculation.
enum class FeedRoad { FirstEntry, Change };

inline constexpr int FeedConditionCount = 4;
inline constexpr int FeedLabelWidth = 75;

bool IsFeedCondition(int condition);

// Number of parameters of a condition: 7, 8, 11 or 8.
int FeedParameterCount(int condition);
// The prompt of parameter 1..count, which is also its label in the lists.
QString FeedPrompt(int condition, int parameter);
// The FeedSpec.Value / FeedSpec.Text element that parameter 1..count fills.
int FeedParameterElement(int condition, int parameter);
// Runs the check of the condition in data.Feed.Condition; returns the number
// of the first failing parameter, 0 when all pass.
int CheckFeedParameters(ProblemData &data);

// Window captions.
QString FeedEntryCaption(FeedRoad road, int condition);
// The control caption after the first entry, or after "КОНЕЦ ИСПРАВЛЕНИЙ".
QString FeedControlCaption(FeedRoad road, int condition, bool afterCorrections);
// The caption and heading of the change road's correction of stored values.
QString FeedCorrectionCaption(int condition);
QStringList FeedHeadingLines(int condition);
// The caption of the four condition buttons, in condition order.
QString FeedConditionButtonCaption(int condition);

// A line of the list and of the control table: the label, padded with spaces
// to 75 characters, then the value text.
QString FeedLine(const QString &label, const QString &valueText);

// Puts the condition's prompts into feed.Label(1..count) and sets the condition.
void SetFeedCondition(FeedSpec &feed, int condition);
// Records the answer to the prompt of parameter 1..count: its normalised
// text in EntryText and its number in EntryValue.
void RecordFeedEntry(FeedSpec &feed, int parameter, const QString &typed);
// Copies EntryText/EntryValue(1..count) into the condition's elements of
// Text/Value.
void CopyFeedEntries(FeedSpec &feed);
// A corrected answer: recorded as an entry and stored at once in the
// parameter's element of Text/Value.
void StoreFeedCorrection(FeedSpec &feed, int parameter, const QString &typed);
// The line of parameter 1..count as it stands in FeedSpec.Label and
// FeedSpec.Text.
QString FeedParameterLine(const FeedSpec &feed, int parameter);
