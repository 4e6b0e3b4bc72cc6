dialog setup {
  title "Setup"
  size -1 -1 120 60
  button "Ok", 1, 10 40 40 12, ok
  edit "", 2, 10 10 100 12
}
on *:DIALOG:setup:init:0:{
  did -a setup 2 $replace($me,_,-)
}
alias setup { dialog -m setup setup }
menu status {
  Setup:setup
}
