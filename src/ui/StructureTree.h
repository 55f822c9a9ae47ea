#pragma once
#include "domain/OrgStructure.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace zort {

// Fills the tree with the organisation structure visible on the data module's
// reference date, ordered by the administration window's structure sorting, with
// the progress window "Wczytywanie struktury przedsiębiorstwa" while it loads. Each
// node shows "[" + code + "] " + short name and holds its element (structureNode);
// positions and units have their own icons. Elements denied to the user are left
// out with everything below them.
void LoadStructureTree(QTreeWidget* tree);
// The same from a structure and a date (tests, benchmarks).
void LoadStructureTree(QTreeWidget* tree, const OrgStructure& structure, const QDateTime& date, bool byCode);

// The element a node holds (an empty one for a node without).
TStrukt structureNode(const QTreeWidgetItem* node);
// The top element above the node (the node's own at the top).
TStrukt topStructureElement(const QTreeWidgetItem* node);
// Its id.
int TopElementOf(const QTreeWidgetItem* node);
// The node of an element, or null.
QTreeWidgetItem* findStructureNode(QTreeWidget* tree, int id);

} // namespace zort
