// The screen classes of the interview, in its order: the one list that both
// the catalogue (ScreenClasses() in flow/screen_catalogue.cpp) and the
// compiled screen definitions (ScreenForms() in screens/screen_forms.cpp) are
// made from, so that neither can have a class the other lacks.
//
// No include guard: an includer defines the two macros, includes this file
// where the rows go, and the file undefines them again.
//   CGT_ROW_SCREEN  a screen made from its family's rows and its definition
//   CGT_OWN_SCREEN  a screen class with behaviour of its own, the C++ class
//                   of that name in src/screens
// Either way the class name is that of its definition's top widget
// (Ui::<class>, from src/screens/<class in lower case>.ui).
//
// class, family, worksheet role, help topic, icon, saving blocked, caption, Prev, then the screen numbers
CGT_ROW_SCREEN(TQCGT_83, Information, None, 347, kIconInformation, false, kAnd, true, 2004)
CGT_ROW_SCREEN(TQCGT_56, Information, None, 32, kIconArrow, false, kAnd, true, 2005)
CGT_ROW_SCREEN(TQCGT_60, Information, None, 235, kIconInformation, false, kAnd, true, 2088)
CGT_ROW_SCREEN(TQCGT_39a, IntroductoryQuestion, None, 3, kIconQuestion, false, kOr, true, 2006)
CGT_ROW_SCREEN(TQCGT_39, EventQuestion, None, 3, kIconQuestion, false, kAnd, true, 2007)
CGT_OWN_SCREEN(TQCGT_08, AssetBlock, Registration, 16, kIconArrow, true, kAnd, true, 2009, 2022, 2035, 2045, 2055, 2065)
CGT_OWN_SCREEN(TQCGT_11, AssetBlock, BlockScreen, 19, kIconArrow, true, kAnd, true, 2010, 2023, 2036, 2047, 2056, 2066)
CGT_OWN_SCREEN(TQCGT_12, AssetBlock, BlockScreen, 20, kIconArrow, true, kAnd, true, 2011, 2024, 2037, 2048, 2057, 2067)
CGT_OWN_SCREEN(TQCGT_18, AssetBlock, BlockScreen, 184, kIconArrow, true, kAnd, true, 2012)
CGT_OWN_SCREEN(TQCGT_19, AssetBlock, BlockScreen, 206, kIconArrow, true, kAnd, true, 2013, 2026, 2038, 2058, 2068)
CGT_OWN_SCREEN(TQCGT_20b, AssetBlock, BlockScreen, 29, kIconArrow, true, kAnd, true, 2014, 2027)
CGT_OWN_SCREEN(TQCGT_59a, Calculation, BlockScreen, 30, kIconInformation, false, kAnd, true, 2015)
CGT_OWN_SCREEN(TQCGT_58, Calculation, BlockScreen, 30, kIconInformation, false, kAnd, true, 2016, 2029, 2040, 2060,
               2070)
CGT_ROW_SCREEN(TQCGT_40, AnotherEventQuestion, None, 3, kIconQuestion, false, kAnd, true, 2017)
CGT_ROW_SCREEN(TQCGT_03a, IntroductoryQuestion, None, 4, kIconQuestion, false, kAnd, true, 2018)
CGT_OWN_SCREEN(TQCGT02_04, EntryTable, None, 349, kIconArrow, false, kAnd, true, 2019)
CGT_ROW_SCREEN(TQCGT_41, EventQuestion, None, 216, kIconQuestion, true, kAnd, true, 2020)
CGT_OWN_SCREEN(TQCGT_18b, AssetBlock, BlockScreen, 203, kIconArrow, true, kAnd, true, 2025)
CGT_OWN_SCREEN(TQCGT_59b, Calculation, BlockScreen, 30, kIconInformation, false, kAnd, true, 2028)
CGT_ROW_SCREEN(TQCGT_42, AnotherEventQuestion, None, 216, kIconQuestion, false, kAnd, true, 2030)
CGT_ROW_SCREEN(TQCGT_43a, IntroductoryQuestion, None, 7, kIconQuestion, false, kOr, true, 2031)
CGT_ROW_SCREEN(TQCGT_43b, Information, None, 80, kIconInformation, true, kAnd, true, 2032)
CGT_ROW_SCREEN(TQCGT_43, EventQuestion, None, 7, kIconQuestion, false, kAnd, true, 2033)
CGT_OWN_SCREEN(TQCGT_20a, AssetBlock, BlockScreen, 29, kIconArrow, true, kAnd, true, 2039)
CGT_ROW_SCREEN(TQCGT_44, AnotherEventQuestion, None, 7, kIconQuestion, false, kAnd, true, 2041)
CGT_ROW_SCREEN(TQCGT_80, IntroductoryQuestion, None, 345, kIconQuestion, false, kAnd, true, 2042)
CGT_ROW_SCREEN(TQCGT_81, EventQuestion, None, 345, kIconQuestion, false, kAnd, true, 2043)
CGT_OWN_SCREEN(TQCGT_19a, AssetBlock, BlockScreen, 206, kIconArrow, true, kAnd, true, 2046)
CGT_OWN_SCREEN(TQCGT_20, AssetBlock, BlockScreen, 29, kIconArrow, true, kAnd, true, 2049, 2059, 2069)
CGT_OWN_SCREEN(TQCGT_58A, Calculation, BlockScreen, 30, kIconInformation, false, kAnd, true, 2050)
CGT_ROW_SCREEN(TQCGT_82, AnotherEventQuestion, None, 345, kIconQuestion, false, kGains, true, 2051)
CGT_ROW_SCREEN(TQCGT_45a, IntroductoryQuestion, None, 8, kIconQuestion, false, kOr, true, 2052)
CGT_ROW_SCREEN(TQCGT_45, EventQuestion, None, 8, kIconQuestion, false, kAnd, true, 2053)
CGT_ROW_SCREEN(TQCGT_46, AnotherEventQuestion, None, 8, kIconQuestion, false, kAnd, true, 2061)
CGT_ROW_SCREEN(TQCGT_47a, IntroductoryQuestion, None, 11, kIconQuestion, false, kAnd, true, 2062)
CGT_ROW_SCREEN(TQCGT_47, EventQuestion, None, 11, kIconQuestion, false, kAnd, true, 2063)
CGT_ROW_SCREEN(TQCGT_48, AnotherEventQuestion, None, 11, kIconQuestion, false, kAnd, true, 2071)
CGT_ROW_SCREEN(TQCGT_49a, IntroductoryQuestion, None, 10, kIconQuestion, false, kAnd, true, 2072)
CGT_ROW_SCREEN(TQCGT_49, EventQuestion, None, 10, kIconQuestion, false, kAnd, true, 2073)
CGT_ROW_SCREEN(TQCGT_08g, Information, None, 15, kIconInformation, false, kAnd, true, 2074)
CGT_OWN_SCREEN(TQCGT_36a, ReceiptEntry, Receipt, 374, kIconArrow, true, kAnd, true, 2075)
CGT_ROW_SCREEN(TQCGT_50, AnotherEventQuestion, None, 10, kIconQuestion, false, kGains, true, 2081)
CGT_ROW_SCREEN(TQCGT_35, EventQuestion, None, 82, kIconQuestion, false, kAnd, true, 2096)
CGT_OWN_SCREEN(TQCGT_36, ReceiptEntry, Receipt, 262, kIconArrow, true, kAnd, true, 2097)
CGT_ROW_SCREEN(TQCGT_37, AnotherEventQuestion, None, 82, kIconQuestion, false, kAnd, false, 2098)
CGT_OWN_SCREEN(TQCGT02_05, EntryTable, None, 346, kIconArrow, false, kAnd, true, 2101)
CGT_ROW_SCREEN(TQCGT_57, Information, None, 33, kIconInformation, false, kAnd, true, 2102)
CGT_OWN_SCREEN(TQCGT_62, Calculation, None, 33, kIconArrow, false, kAnd, true, 2103)
CGT_OWN_SCREEN(TQCGT_64, Calculation, None, 34, kIconArrow, false, kAnd, true, 2104)
CGT_OWN_SCREEN(TQCGT_65, Calculation, None, 34, kIconInformation, false, kAnd, true, 2105)
CGT_OWN_SCREEN(TQCGT_66, Calculation, None, 35, kIconArrow, false, kAnd, true, 2106)
CGT_OWN_SCREEN(TQCGT_67, Calculation, None, 37, kIconInformation, false, kAnd, true, 2107)

#undef CGT_ROW_SCREEN
#undef CGT_OWN_SCREEN
