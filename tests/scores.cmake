# tests of scores/
verlo_test(tst_scores tst_scores.cpp)
verlo_test_fenetres(tst_fenetres_scores tst_fenetres_scores.cpp)
