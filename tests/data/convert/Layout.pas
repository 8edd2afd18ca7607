program Layout;   
{ A brace comment
  over three lines }   begin
	{$APPTYPE CONSOLE}
  x:=1;  y  :=  2;   
(* a parenthesis comment with an apostrophe: it's fine
   and a lone star * or paren ) inside *) z := x<y;
  // a double-slash comment with <html> & "quotes"
    if x > 0 then WriteLn('x > 0 & "y"');     

  Read(x); Self.Write; Name := 'n';
end.
