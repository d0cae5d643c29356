-- Code tables of the delivered database (the province and city rows are in geography.sql).

insert into acc_currency (currency_id, currency_name) values
    ('01', '人民币'),
    ('12', '英镑'),
    ('13', '港币'),
    ('14', '美元'),
    ('27', '日元'),
    ('38', '欧元');

insert into cert_type (cert_type, cert_desc) values
    (1, '居民身份证'),
    (2, '临时居民身份证'),
    (3, '户口簿'),
    (4, '军官证'),
    (5, '士兵证'),
    (6, '武警证'),
    (7, '护照'),
    (8, '港澳居民来往内地通行证'),
    (9, '台湾居民来往大陆通行证'),
    (10, '外国人永久居留身份证'),
    (11, '其他证件');

insert into tran_acc_type (tran_type, tran_desc) values
    ('00', '行内'),
    ('01', '跨行同城'),
    ('02', '跨行异地');

insert into remit_type (remit_type_no, remit_type) values
    ('0', '普通'),
    ('1', '加急');
