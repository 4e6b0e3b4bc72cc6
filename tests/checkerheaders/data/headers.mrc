on 1:TEXT:hello:#:{
  echo -a hi
}
on 1:join:abc:echo -a one line
on 1:text:hello
  echo -a back at the root
ctcp 1:ping:*:{ ctcpreply $nick ping $1- }
raw 372:*:{
  echo -s $2-
}
dialog -lx setup {
  title "Setup"
  size -1 -1 200 100
  option dbu
  button "OK", 1, 10 10 50 20, ok default
  list 5, 1 1 50 50, sort, size
  /* a comment
  */
  size 1 2 } x
menu status,channel {
  Tools {
    echo -a in a block
  }
  .Part : part #
  sclick : echo clicked
}
