#pragma once

#include "catalogue/PickEntry.h"

#include <QList>
#include <QListWidget>

class ProductCatalogue;
class QLineEdit;

// The products a search box finds, at most 200 in name order, the only match selected at once.
// Down in a box it serves moves into the list; Enter or a double click in the list picks the
// selected product, and Enter in the box picks the product coded exactly as the text, else
// the only match.
class ProductPickList : public QListWidget {
    Q_OBJECT
public:
    // Always: the list stays shown, and an empty text lists the first products.
    // WhileMatching: shown only while a search found something; a blank text hides it.
    enum class Shown { Always, WhileMatching };
    // How a served box searches: at every change of its text, or on Enter (a scanner's box).
    enum class Searched { AsTyped, OnEnter };

    ProductPickList(ProductCatalogue& catalogue, Shown shown, QWidget* parent);

    void serve(QLineEdit* box, Searched searched);
    void search(const QString& text);
    // What a code ended by Enter names, once the list shows its search: the one product whose
    // code is exactly the text wins over those whose code or name merely contain it; else the
    // only product listed. False, and nothing picked, when neither is there.
    bool pickCode(const QString& text);

Q_SIGNALS:
    void picked(const PickEntry& product);
    // Enter in a served box when the list does not hold exactly one product.
    void enterWithoutPick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pick(int row);

    ProductCatalogue& m_catalogue;
    Shown m_shown;
    QList<PickEntry> m_entries; // beside the rows, entry for entry
    QList<QLineEdit*> m_searchedOnEnter;
};
