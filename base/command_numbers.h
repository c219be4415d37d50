// The numbers of the program's commands and menus: the one place where they are written as numbers.
// Every menu item carries a command number in its tag and the dispatcher finds the command's row by it;
// everything else names them. Numbers 1..252 are commands, numbers above 252 have no operation.
// Menu numbers: 10..30 are sub-menus, 400..424 the main menu bars of the views.
#pragma once

namespace kvx {

namespace cmd {

inline constexpr int kHighest = 252;

inline constexpr int kClose = 1;
inline constexpr int kAbout = 90;
inline constexpr int kHelpContents = 91;
inline constexpr int kHelpContext = 92;
inline constexpr int kHelpIndex = 93;
inline constexpr int kBack = 100;
inline constexpr int kDetails = 112;
inline constexpr int kShowOrderText = 113;
inline constexpr int kCompanyData = 116;
inline constexpr int kPrint = 118;
inline constexpr int kCatalogue = 121;
inline constexpr int kChange = 123;
inline constexpr int kNew = 124;
inline constexpr int kToMyArticles = 126;
inline constexpr int kEditMyArticle = 127;
inline constexpr int kNext = 128;
inline constexpr int kPrevious = 129;
inline constexpr int kDialogFont = 130;
inline constexpr int kDetailFont = 131;
inline constexpr int kListFont = 132;
inline constexpr int kPrintFont = 133;
inline constexpr int kTreeFont = 134;
inline constexpr int kFolders = 135;
inline constexpr int kStockReport = 136;
inline constexpr int kDeliveryData = 137;
inline constexpr int kCalculations = 138;
inline constexpr int kEditCalculation = 139;
inline constexpr int kArticleInformation = 142;
inline constexpr int kEditOrder = 143;
inline constexpr int kDatasheet = 144;
inline constexpr int kDeletePosition = 148;
inline constexpr int kSaveAsText = 149;
inline constexpr int kOrders = 150;
inline constexpr int kAskToMyArticles = 151;
inline constexpr int kGoodsReceipt = 152;
inline constexpr int kBook = 154;
inline constexpr int kInternetLink = 155;
inline constexpr int kEditDemand = 156;
inline constexpr int kEditConsumption = 157;
inline constexpr int kAutomaticOrder = 159;
inline constexpr int kDemand = 160;
inline constexpr int kConsumption = 161;
inline constexpr int kCostSums = 162;
inline constexpr int kCostCentreDetails = 163;
inline constexpr int kChooseCostCentre = 164;
inline constexpr int kManageCostCentres = 165;
inline constexpr int kBookDispatch = 166;
inline constexpr int kRecompute = 167;
inline constexpr int kConsumptionCostCentre = 168;
inline constexpr int kDemandCostCentre = 169;
inline constexpr int kAvailability = 170;
inline constexpr int kCalculationCostCentre = 172;
inline constexpr int kPieceCount = 173;
inline constexpr int kCalculationToDemand = 174;
inline constexpr int kShowSearchCriteria = 178;
inline constexpr int kSaveSearchAsText = 179;
inline constexpr int kOrderArticle = 181;
inline constexpr int kDirectOrder = 182;
inline constexpr int kResetDirectOrder = 183;
inline constexpr int kChangeDirectOrderPosition = 186;
inline constexpr int kStockHistory = 187;
inline constexpr int kBasicSettings = 188;
inline constexpr int kLoadParameters = 189;
inline constexpr int kStoreParameters = 190;
inline constexpr int kFonts = 191;
inline constexpr int kCostCentres = 192;
inline constexpr int kCostCentreStatus = 193;
inline constexpr int kShowTextFile = 195;
inline constexpr int kShowArticleGroup = 196;
inline constexpr int kInternetAddresses = 198;
inline constexpr int kOnlineCatalogue = 199;
inline constexpr int kOnlinePicture = 200;
inline constexpr int kImportCatalogue = 202;
inline constexpr int kOpenManual = 203;
inline constexpr int kSystemInformation = 204;
inline constexpr int kMyArticles = 205;
inline constexpr int kRecomputeDemand = 206;
inline constexpr int kCheckOrdering = 207;
inline constexpr int kOrderMyArticle = 208;
inline constexpr int kOrdersFilter = 241;
inline constexpr int kConsumptionFilter = 242;
inline constexpr int kDemandFilter = 243;
inline constexpr int kSaveStockReport = 245;
inline constexpr int kDeleteUserFiles = 246;
inline constexpr int kSearchSelected = 247;
inline constexpr int kSearchAll = 248;
inline constexpr int kResetSearch = 249;
inline constexpr int kRelinkMyArticle = 250;
inline constexpr int kRemoveMyArticle = 251;

}  // namespace cmd

namespace menu {

// Menus numbered from here on are main menu bars and begin with "Zurück"; lower numbers are sub-menus.
inline constexpr int kFirstMainMenu = 41;

inline constexpr int kFile = 10;
inline constexpr int kExtras = 11;
inline constexpr int kOrderExtras = 12;
inline constexpr int kSettings = 13;
inline constexpr int kCostReportExtras = 14;
inline constexpr int kFontExtras = 15;
inline constexpr int kCatalogueExtras = 16;
inline constexpr int kCalculationExtras = 17;
inline constexpr int kDemandExtras = 18;
inline constexpr int kConsumptionExtras = 19;
inline constexpr int kMyArticleExtras = 20;
inline constexpr int kSearch = 21;
inline constexpr int kHelp = 30;

inline constexpr int kBackOnly = 400;
inline constexpr int kStart = 401;
inline constexpr int kCatalogue = 402;
inline constexpr int kUndefined403 = 403;
inline constexpr int kUndefined404 = 404;
inline constexpr int kMyArticles = 405;
inline constexpr int kEditOrder = 406;
inline constexpr int kOrders = 407;
inline constexpr int kGoodsReceipt = 408;
inline constexpr int kEditConsumption = 409;
inline constexpr int kConsumption = 410;
inline constexpr int kDemand = 411;
inline constexpr int kEditDemand = 412;
inline constexpr int kCostDetails = 413;
inline constexpr int kOrderText = 414;
inline constexpr int kCostCentres = 415;
inline constexpr int kCalculations = 416;
inline constexpr int kEditCalculation = 417;
inline constexpr int kDirectOrder = 418;
inline constexpr int kEditDirectOrder = 419;
inline constexpr int kFonts = 420;
inline constexpr int kCostReport = 421;
inline constexpr int kInternetAddresses = 422;
inline constexpr int kNextPrevious = 423;
inline constexpr int kStockReport = 424;

}  // namespace menu

}  // namespace kvx
