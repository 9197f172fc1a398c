# tests of extras/
verlo_test_fenetres(tst_son tst_son.cpp)
