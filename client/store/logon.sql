-- The one login password row: the scrambled form of the initial password "12345678".
insert into logon_info (passwd) values ('pjl?8Km%');
