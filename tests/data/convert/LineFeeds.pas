unit LineFeeds;
// this file's lines end with a lone line feed
interface

  procedure Step;   
    { indented
      comment }
      procedure Deep;

implementation

procedure Step;
begin
    Deep; // trailing blanks next:    
end;
end.