# tests of scores/
verlo_test_fenetres(tst_scores tst_scores.cpp)
