// SPDX-License-Identifier: MIT
// The five catalogue readers, called at start-up in this order: the product lists link to
// the models read before them.
#include "frm/frm_main.h"

namespace tw {

void FrmMain::ReadCondensingRatings() {
    LogWrite(">ReadCondensingRatings()");
    Catalog.SetCondensingRatings(ParseCRatings(OpenDataFileBytes(CatalogFolder + "CRatings.rec")));
}

void FrmMain::ReadCondensingModels() {
    LogWrite(">ReadCondensingModels()");
    Catalog.SetCondensingModels(ParseCModels(OpenDataFileBytes(CatalogFolder + "CModels.rec")));
}

void FrmMain::ReadCondensingProducts() {
    LogWrite(">ReadCondensingProducts()");
    LineReader file = OpenDataFile(CatalogFolder + "CProdList.data");
    Catalog.ReadCondensingProducts(file);
}

void FrmMain::ReadCoolerRatings() {
    LogWrite(">ReadCoolerRatings()");
    Catalog.SetCoolerRatings(ParseERatings(OpenDataFileBytes(CatalogFolder + "ERatings.rec")));
}

void FrmMain::ReadCoolerProducts() {
    LogWrite(">ReadCoolerProducts()");
    LineReader file = OpenDataFile(CatalogFolder + "EProdList.data");
    Catalog.ReadCoolerProducts(file);
}

} // namespace tw
