# tests of bonus/
verlo_test_fenetres(tst_bonus tst_bonus.cpp)
