# tests of bonus/
verlo_test(tst_carte tst_carte.cpp)
