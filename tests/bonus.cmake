# tests of bonus/
verlo_test(tst_carte tst_carte.cpp)
verlo_test_fenetres(tst_form6 tst_form6.cpp)
