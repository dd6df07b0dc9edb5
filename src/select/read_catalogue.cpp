// SPDX-License-Identifier: MIT
// The five catalogue readers, called at start-up in this order: the product lists link to
// the models read before them.
#include "frm/frm_main.h"

namespace tw {

namespace {

template <class T> std::vector<std::string> KeysOf(const std::vector<T>& records, int count) {
    std::vector<std::string> keys;
    for (int r = 1; r <= count; ++r)
        keys.push_back(records[static_cast<std::size_t>(r)].key);
    return keys;
}

} // namespace

void FrmMain::ReadCondensingRatings() {
    LogWrite(">ReadCondensingRatings()");
    CRatings = ParseCRatings(OpenDataFileBytes(CatalogFolder + "CRatings.rec"));
}

void FrmMain::ReadCondensingModels() {
    LogWrite(">ReadCondensingModels()");
    CModels = ParseCModels(OpenDataFileBytes(CatalogFolder + "CModels.rec"));
    CModelCount = static_cast<int>(CModels.size()) - 2;
}

void FrmMain::ReadCondensingProducts() {
    LogWrite(">ReadCondensingProducts()");
    LineReader file = OpenDataFile(CatalogFolder + "CProdList.data");
    CProdList = ReadProductList(file, KeysOf(CModels, CModelCount));
}

void FrmMain::ReadCoolerRatings() {
    LogWrite(">ReadCoolerRatings()");
    ERatings = ParseERatings(OpenDataFileBytes(CatalogFolder + "ERatings.rec"));
    ERatingCount = static_cast<int>(ERatings.size()) - 2;
}

void FrmMain::ReadCoolerProducts() {
    LogWrite(">ReadCoolerProducts()");
    LineReader file = OpenDataFile(CatalogFolder + "EProdList.data");
    EProdList = ReadProductList(file, KeysOf(ERatings, ERatingCount));
}

} // namespace tw
