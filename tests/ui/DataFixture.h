#pragma once
// The program with a few products and sales lines whose values test the
// kinds of a spreadsheet cell, and a folder of the user's own for the files
// the data management commands write.
#include "tests/ui/AppFixture.h"

#include <QDir>
#include <QFile>

inline QByteArray bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void write(const QString& path, const QByteArray& contents)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contents);
}

// Every name in `folder`, hidden ones too, sorted.
inline QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

class DataFixture : public AppFixture {
protected:
    void fillStore() override
    {
        store->exec(QString::fromUtf8(
            "insert into jxc (商品编号,商品名称,商品规格,商品型号,单位,进货日期,进货单价,进货数量,进货金额,销售数量,"
            "销售金额,销售利润,库存数量,库存金额,供货厂商,供货电话,备注) values "
            "('001','=1+1','550ml','怡宝','瓶','2014-01-01 00:00:00',12.5,10,125,2,25,null,8,100,'深圳水厂','0755-1',null),"
            "('P2','方便面','5连包','康师傅','袋','2014-02-01 10:30:00',3,3,9,0,0,0,3,9,'天津食品','022-2','整箱'),"
            "('P3','矿泉水','1.5L','农夫','瓶','2014-03-01 00:00:00',2.25,4,9,0,0,null,4,9,'','','')"));
        store->exec(QString::fromUtf8(
            "insert into xsmx (商品编号,商品名称,商品规格,商品型号,单位,销售日期,销售单价,销售数量,销售金额,销售利润,"
            "客户姓名,联系电话,详细地址,备注) values "
            "('001','=1+1','550ml','怡宝','瓶','2014-03-01 00:00:00',12.5,2,25,0,'王五','0139','北京路1号',null),"
            "('P2','方便面','5连包','康师傅','袋','2014-03-02 00:00:00',4,1,4,1,'李四','','','')"));
    }

    QString outFile(const QString& name) const { return out.filePath(name); }

    QTemporaryDir out;
};
