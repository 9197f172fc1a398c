# tests of the options only the context menu offers, and of the menu and keys
verlo_test_fenetres(tst_options tst_options.cpp)
