# tests of scores/
verlo_test(tst_classement tst_classement.cpp)
verlo_test(tst_fichier_scores tst_fichier_scores.cpp)
verlo_test_fenetres(tst_form4 tst_form4.cpp)
verlo_test_fenetres(tst_form5 tst_form5.cpp)
# A FIFO or a device once held the reading for ever: fail rather than wait.
set_tests_properties(tst_fichier_scores PROPERTIES TIMEOUT 60)
