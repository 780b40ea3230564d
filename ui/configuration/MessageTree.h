#pragma once

#include <QObject>
#include <functional>

#include "UiTexts.h"

class QEvent;
class QString;
class QTreeWidgetItem;

namespace varo {

class TForm1;

// The input message tree of the CONFIGURATION page: two roots, "NMEA2000"
// (the PGNs, and the way to the NMEA 0183 output selection) and "NMEA0183"
// (the sentences). Choosing a message asks the gateway for its outputs.
class MessageTree {
public:
    explicit MessageTree(TForm1& form) : form(form) {}

    // Both roots with their children's codes.
    void BuildMessageTree();
    // Double click: rebuilds the tree with descriptions instead of codes, or back.
    void ToggleTreeLabels();
    // Click and every key event: acts on the selected node.
    void OnTreeSelect();

    // The tree's events. A key stroke arrives as KeyDown, KeyPress (only for a
    // key that types a character) and KeyUp, and each of them acts, so one
    // stroke on a letter asks the gateway three times.
    void TreeView1Click() { OnTreeSelect(); }
    void TreeView1DblClick() { ToggleTreeLabels(); }
    void TreeView1KeyDown() { OnTreeSelect(); }
    void TreeView1KeyPress() { OnTreeSelect(); }
    void TreeView1KeyUp() { OnTreeSelect(); }

    bool TreeShowsCodes() const { return treeShowsCodes; }

    // After a language switch: the group captions and the descriptions the
    // tree shows, in the new language.
    void ShowTexts();

private:
    void AddRoots();
    void SelectNmea0183Root();
    void SelectNmea2000Root();
    void SelectMessage(const QTreeWidgetItem& node);
    void SetCaptions(QString UiTexts::*input, QString UiTexts::*output);

    TForm1& form;
    bool treeShowsCodes = true;
    // The texts the two group captions show.
    QString UiTexts::*inputCaption = &UiTexts::InputMessage;
    QString UiTexts::*outputCaption = &UiTexts::OutputMessage;
};

// Turns the tree widget's key events into the three key handlers: a key
// press is KeyDown, and KeyPress as well when it types a character; a key
// release is KeyUp. The releases of auto-repeat are skipped, as a held key
// repeats KeyDown (and KeyPress) only. The tree still handles every key, after
// the handlers have run.
class TreeKeyEvents : public QObject {
public:
    TreeKeyEvents(MessageTree& tree, QObject* parent) : QObject(parent), tree(tree) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MessageTree& tree;
};

} // namespace varo
