# tests of scores/
verlo_test(tst_scores tst_scores.cpp)
verlo_test_fenetres(tst_form4 tst_form4.cpp)
verlo_test_fenetres(tst_form5 tst_form5.cpp)
