#include "ui/StructureTree.h"

#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "ui/ProgresForm.h"
#include "domain/DataModForm.h"

#include <QApplication>
#include <QHash>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace zort {
namespace {

constexpr int kElementRole = Qt::UserRole + 1;

} // namespace

void LoadStructureTree(QTreeWidget* tree) {
    const TDataModForm* d = dataMod();
    LoadStructureTree(tree, runStructure(), d ? d->referenceDate() : Clock::now(), admSettings().sortStrukList == 1);
}

void LoadStructureTree(QTreeWidget* tree, const OrgStructure& structure, const QDateTime& date, bool byCode) {
    tree->clear();
    std::vector<TStrukt> elements;
    {
        ProgressScope progress(QStringLiteral("Wczytywanie struktury przedsiębiorstwa"), structure.elementCount());
        elements = structure.visibleElements(date, byCode, [&progress]() { progress.step(); });
    }
    const QIcon unitIcon = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon positionIcon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    // The nodes are built apart from the tree and put into it at once.
    QHash<int, QTreeWidgetItem*> nodes;
    nodes.reserve(qsizetype(elements.size()));
    QList<QTreeWidgetItem*> tops;
    for (const TStrukt& e : elements) {
        QTreeWidgetItem* parent = e.NRPOZ == 0 ? nullptr : nodes.value(e.IDRODZSTRUKT);
        auto* node = new QTreeWidgetItem(QStringList{e.nodeText()});
        node->setIcon(0, e.isPosition() ? positionIcon : unitIcon);
        node->setData(0, kElementRole, QVariant::fromValue(e));
        if (parent) parent->addChild(node);
        else tops << node;
        nodes.insert(e.ID, node);
    }
    tree->addTopLevelItems(tops);
}

TStrukt structureNode(const QTreeWidgetItem* node) {
    if (!node) return {};
    const QVariant v = node->data(0, kElementRole);
    return v.canConvert<TStrukt>() ? v.value<TStrukt>() : TStrukt{};
}

TStrukt topStructureElement(const QTreeWidgetItem* node) {
    if (!node) return {};
    while (node->parent()) node = node->parent();
    return structureNode(node);
}

int TopElementOf(const QTreeWidgetItem* node) { return topStructureElement(node).ID; }

QTreeWidgetItem* findStructureNode(QTreeWidget* tree, int id) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (structureNode(*it).ID == id) return *it;
    return nullptr;
}

} // namespace zort
